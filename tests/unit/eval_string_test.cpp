// String values: the string evaluator and the quoting helpers.
#include "interp/value_text.h"
#include "values_fixture.h"

namespace tess::testing {
namespace {

const std::string ESC_Q = "\x01" "D", ESC_Z = "\x01Z";

class EvalString : public ValuesTest {};

TEST_F(EvalString, TermsJoinedByPlus) {
  let("s$=\"x\"");
  let("t$(1+1)=\"t2\"");
  const std::pair<std::string, std::string> cases[] = {
      {"\"ab\"+\"cd\"", "abcd"},
      {"\"x\"+unset$", "x"},
      {"s$+s$", "xx"},
      {"t$(1+1)+s$", "t2x"},       // '+' inside an index does not split
      {"\"ab\"cd", "ab"},          // text after the closing quote is dropped
      {"\"a+b\"", "a+b"},
      {"", ""},
      {"\"x\"+", "x"},             // an empty term adds nothing
      {"\"" + ESC_Q + "\"+s$", ESC_Q + "x"},
  };
  for (const auto& [e, want] : cases) EXPECT_EQ(str(e), want) << e;
}

TEST_F(EvalString, TermsThatAreNeitherLiteralsNorNamesFail) {
  for (std::string e : {"\"a\"+5", "(s$)", " s$", "\"a\"+1.5", "\"open", "s$+\"open"})
    EXPECT_NE(error_of([&] { str(e); }), "no error") << e;
}

TEST_F(EvalString, EscapedValuesSurviveConcatenation) {
  let("q$=\"" + ESC_Q + "\"");
  EXPECT_EQ(str("q$+q$"), ESC_Q + ESC_Q);
  EXPECT_EQ(decode(str("q$"), true), "\"");
}

TEST(ValueText, EncodeDecode) {
  EXPECT_EQ(encode(std::string("a\0\"", 3), true), "\"a" + ESC_Z + ESC_Q + "\"");
  EXPECT_EQ(encode(std::string("a\0\"", 3), true).size(), 7u);
  EXPECT_EQ(decode(ESC_Z, true), std::string(1, '\0'));
  EXPECT_EQ(decode(ESC_Z, false), " ");
  EXPECT_EQ(decode("\x01L\x01\x01", true), " \x01");
  EXPECT_THROW(decode("\x01q", true), ProgramError);
}

TEST(ValueText, QuoteUnquoteUpperCase) {
  EXPECT_EQ(quote("ab"), "\"ab\"");
  EXPECT_EQ(quote("\"ab\""), "\"ab\"");
  EXPECT_EQ(unquote("\"ab\"cd"), "ab");
  EXPECT_EQ(unquote("ab"), "ab");
  EXPECT_EQ(unquote("\"ab"), "ab");
  std::string s = "abc\x82\xa0xyz";  // a Shift-JIS character keeps its bytes
  upper_case(s);
  EXPECT_EQ(s, "ABC\x82\xa0XYZ");
}

}  // namespace
}  // namespace tess::testing
