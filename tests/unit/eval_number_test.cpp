// The numeric evaluator: passes, signs, literals, not rules, substitutions and
// failures.
#include <cmath>
#include <limits>

#include "interp/number_text.h"
#include "values_fixture.h"

namespace tess::testing {
namespace {

const std::string AND = "\x01&", OR = "\x01|", XOR = "\x01" "e", MOD = "\x01m", NOT = "\x01!";

struct Case {
  std::string expr;
  double value;
};

class EvalNumber : public ValuesTest {};

TEST_F(EvalNumber, PassesApplyLeftToRightInTheirOrder) {
  const Case cases[] = {
      {"2^3^2", 64},          {"8/4/2", 1},           {"7\\2", 3},
      {"-7\\2", -3},          {"-7" + MOD + "2", -1}, {"2+3*4^2", 50},
      {"1+2=3", -1},          {"5" + MOD + "3*2", 5}, {"7-5" + MOD + "3", 5},
      {"1=1" + AND + "2", 2}, {"10-2-3", 5},          {"3<4", -1},
      {"3=4", 0},             {"1" + AND + "3" + OR + "4", 5},
      {"1" + OR + "2" + XOR + "3", 0},
      {"6" + XOR + "3" + AND + "1", 7},  // and before xor: 6 xor (3 and 1)
      {"4" + OR + "1" + XOR + "1", 4},   // or before xor: (4 or 1) xor 1
  };
  for (const auto& c : cases) EXPECT_EQ(num(c.expr), c.value) << c.expr;
}

TEST_F(EvalNumber, ComparisonOperatorsAndTheirTwoCharacterForms) {
  const Case cases[] = {
      {"3=<3", -1}, {"3<=2", 0}, {"4>=3", -1}, {"3=>4", 0}, {"3<>3", 0},
      {"3><4", -1}, {"2<1", 0},  {"2>1", -1},  {"2=2", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(num(c.expr), c.value) << c.expr;
}

TEST_F(EvalNumber, NotAppliesToEverythingAfterIt) {
  const Case cases[] = {
      {NOT + "0", -1},
      {NOT + "1" + AND + "0", -1},            // not (1 and 0)
      {"7" + AND + NOT + "1" + OR + "2", 4},  // 7 and not (1 or 2)
      {NOT + NOT + "5", 5},
      {"(" + NOT + "0)+1", 0},                // not stops at its parenthesis
  };
  for (const auto& c : cases) EXPECT_EQ(num(c.expr), c.value) << c.expr;
}

TEST_F(EvalNumber, SignsFoldOnceAndLeadingMinusNegatesAVariable) {
  let("x=-3");
  let("y=5");
  const Case cases[] = {
      {"-.5", -0.5}, {"--3", 3}, {"2--3", 5},  {"2---3", -1}, {"---3", -3},
      {"+4", 4},     {"-x", 3},  {"-x+1", 4},  {"2*-3", -6},  {"-(2)", -2},
      {"2*-y", 0},  // a minus before a name after an operator is a number token
      {"2-(-3)", 5}, {"1e--2", 100},
  };
  for (const auto& c : cases) EXPECT_EQ(num(c.expr), c.value) << c.expr;
  EXPECT_FALSE(std::signbit(num("2*-y")));  // a token without digits is a plain 0
  EXPECT_TRUE(std::signbit(num("-z")));   // z reads 0; its negation is -0
}

TEST_F(EvalNumber, NumberLiterals) {
  let("ab1e=2");
  const Case cases[] = {
      {"1e+5", 100000}, {"ab1e+5", 7},  {"1.5e+2", 150}, {"2*1e-2", 0.02},
      {".e+5", 5},      {"12abc", 12},  {"&hFF", 255},   {"&o17", 15},
      {"&hFFFFFFFF", 2147483647},       {"&h1E+1", 31},  {"&HfF", 255},
      {"&o19", 1},      {"&h", 0},      {"&x1", 0},      {"(1e+5)*2", 200000},
      {"1e5" + MOD + "7", 100000 % 7},  {"3" + MOD + "1e+1", 3},
  };
  for (const auto& c : cases) EXPECT_EQ(num(c.expr), c.value) << c.expr;
}

TEST_F(EvalNumber, VariablesAndArrayReferences) {
  let("a(2)=7");
  let("b=2");
  let("v.1#=4");
  const Case cases[] = {
      {"a(2)", 7},     {"a(b)*2", 14}, {"a(1+1)", 7}, {"a(3)", 0}, {"unset", 0},
      {"v.1#+1", 5},   {"-a(2)", -7},  {"a((b))", 7}, {"b", 2},   {"B", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(num(c.expr), c.value) << c.expr;
}

TEST_F(EvalNumber, GroupsAndArrayValuesTravelAsFourteenDigitText) {
  EXPECT_EQ(number_text(num("1/3")), "0.33333333333333");
  EXPECT_EQ(num("(1/3)*3"), 0.99999999999999);
  EXPECT_EQ(num("1/3*3"), 1);
  let("a(0)=1/3");
  EXPECT_EQ(num("a(0)*3"), 0.99999999999999);
}

TEST_F(EvalNumber, EmptyIsZeroAndBlanksDoNotMatter) {
  EXPECT_EQ(num(""), 0);
  EXPECT_EQ(num(" 1 +\t2 "), 3);
}

TEST_F(EvalNumber, Failures) {
  const std::string bad[] = {
      "5+",     "2*+3",  "2(3)",     "\"a\"",  "a$<b$", "a$",   "1/0",
      "5\\0",   "5" + MOD + "0",     "5\\0.5", "1/(1-1)", "(1",  "a(1",
      "a(-1)",  "_b$",   "3*",
  };
  for (const auto& e : bad) EXPECT_TRUE(fails(e)) << e;
}

TEST_F(EvalNumber, IntegerDivisionOfTheLowestValueByMinusOneDoesNotTrap) {
  EXPECT_EQ(num("-2147483648\\-1"), 2147483648.0);
  EXPECT_EQ(num("-2147483648" + MOD + "-1"), 0);
}

TEST_F(EvalNumber, IntegerView) {
  const std::pair<double, int32_t> cases[] = {
      {2.9, 2},          {-2.9, -2},       {4294967301.0, 5},    {2147483648.0, -2147483647 - 1},
      {-2147483649.0, 2147483647},         {1e20, 0},            {-1e300, 0},
      {std::numeric_limits<double>::quiet_NaN(), 0},             {std::numeric_limits<double>::infinity(), 0},
  };
  for (auto [v, want] : cases) EXPECT_EQ(integer_view(v), want) << v;
  EXPECT_EQ(num("4294967297" + AND + "3"), 1);
}

TEST_F(EvalNumber, ValueTextAndDisplayForm) {
  const std::pair<double, const char*> texts[] = {
      {1e20, "1e+20"}, {1e-5, "1e-05"},     {0.0001, "0.0001"},    {1e14, "1e+14"},
      {12345678901234.0, "12345678901234"}, {-0.25, "-0.25"},      {3, "3"},
  };
  for (auto [v, want] : texts) EXPECT_EQ(number_text(v), want);
  const std::pair<const char*, const char*> shown[] = {
      {"0.5", ".5"}, {"-0.25", "-.25"}, {"0", "0"}, {"10.5", "10.5"}, {"-0", "-0"}, {"1e-05", "1e-05"},
  };
  for (auto [text, want] : shown) EXPECT_EQ(display_form(text), want);
  EXPECT_EQ(display_form(number_text(num("1/3"))), ".33333333333333");
}

TEST_F(EvalNumber, LimitsAreRefusedWithTheirName) {
  const std::string ones255 = [] {
    std::string s = "1";
    for (int i = 1; i < 255; ++i) s += "+1";
    return s;
  }();
  EXPECT_EQ(num(ones255), 255);
  EXPECT_NE(error_of([&] { num(ones255 + "+1"); }).find("255 operands"), std::string::npos);

  EXPECT_EQ(num(std::string(255, '0')), 0);
  EXPECT_NE(error_of([&] { num(std::string(256, '0')); }).find("255 bytes"), std::string::npos);

  // 40 groups of 101 operands, then one padding operand: exactly 8,191 bytes.
  std::string group = "(1";
  for (int i = 0; i < 100; ++i) group += "+1";
  group += ")";
  std::string e = group;
  for (int i = 1; i < 40; ++i) e += "+" + group;
  e += "+";
  e += std::string(8191 - e.size(), '0');
  ASSERT_EQ(e.size(), 8191u);
  EXPECT_EQ(num(e), 40 * 101);
  EXPECT_NE(error_of([&] { num(e + "0"); }).find("8,191"), std::string::npos);

  // Substituted value text may outgrow the buffer.
  let("a(0)=1/3");
  std::string refs = "a(0)";
  for (int i = 0; i < 1000; ++i) refs += "+a(0)";
  EXPECT_NE(error_of([&] { num(refs); }).find("8,191"), std::string::npos);

  EXPECT_EQ(num(std::string(500, '(') + "2" + std::string(500, ')')), 2);
  EXPECT_NE(error_of([&] { num(std::string(1500, '(') + "2" + std::string(1500, ')')); }).find("nested"),
            std::string::npos);
  EXPECT_EQ(in.eval_depth(), 0);
}

}  // namespace
}  // namespace tess::testing
