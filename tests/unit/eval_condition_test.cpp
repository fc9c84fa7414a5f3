// The condition and comparison evaluators, numeric and string.
#include "values_fixture.h"

namespace tess::testing {
namespace {

const std::string AND = "\x01&", OR = "\x01|", XOR = "\x01" "e", NOT = "\x01!";

class EvalCondition : public ValuesTest {
 protected:
  void SetUp() override {
    let("zz$=\"zz\"");
    let("aaa$=\"aaa\"");
    let("x=3");
    let("h=0.5");
  }
};

TEST_F(EvalCondition, ComparisonsGiveMinusOneOrZero) {
  const std::pair<std::string, double> cases[] = {
      {"x=3", -1},
      {"x<>3", 0},
      {"x>2" + AND + "x<4", -1},
      {"x>5" + OR + "x<1", 0},
      {"x=3" + XOR + "x=3", 0},
      {NOT + "x=3", 0},
      {"x=1+2", -1},
      {"x+1=2*2", -1},
      {"5", 5},                       // no comparison: the value's integer view
      {"2.7", 2},
      {"(x=3)" + AND + "(x=4)", 0},   // groups at the start and after a token
      {"x=3" + AND + "(x=2" + OR + "x=3)", -1},
      {"x=(1=1)", 0},                 // an inner group is numeric: x = -1
      {"(h)=h", 0},                   // a sub-condition is an integer: 0 = 0.5
      {"  x = 3 ", -1},
  };
  for (const auto& [c, want] : cases) EXPECT_EQ(cond(c), want) << c;
}

TEST_F(EvalCondition, StringsCompareForEqualityByBytesAndForOrderByLength) {
  const std::pair<std::string, double> cases[] = {
      {"zz$<aaa$", -1},              // 2 bytes against 3
      {"\"abc\"<\"de\"", 0},
      {"\"a\"<\"bc\"", -1},
      {"\"ab\"=\"ab\"", -1},
      {"\"ab\"=\"AB\"", 0},
      {"zz$=\"zz\"", -1},
      {"zz$<>\"zz\"", 0},
      {"zz$>=\"yy\"", -1},
      {"nothing$=\"\"", -1},
      {"\"a=b\"=\"a=b\"", -1},       // comparison characters inside quotes wait
      {"zz$=\"zz\"" + AND + "x=3", -1},
      {"\"a\"+\"b\"=\"ab\"", -1},
  };
  for (const auto& [c, want] : cases) EXPECT_EQ(cond(c), want) << c;
}

TEST_F(EvalCondition, ComparisonEvaluatorReadsTheFirstOperator) {
  EXPECT_EQ(eval_comparison(in, "1=<2"), -1);
  EXPECT_EQ(eval_comparison(in, "2=>3"), 0);
  EXPECT_EQ(eval_comparison(in, "1><1"), 0);
  EXPECT_EQ(eval_comparison(in, "\"x\"=\"x\""), -1);
}

TEST_F(EvalCondition, StringsCannotBeComparedOutsideConditions) {
  EXPECT_NE(error_of([&] { let("n=zz$<aaa$"); }), "no error");
  EXPECT_NE(error_of([&] { cond("x=\"a\""); }), "no error");  // a numeric left side
}

}  // namespace
}  // namespace tess::testing
