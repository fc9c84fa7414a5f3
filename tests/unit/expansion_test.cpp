// Call expansion, built-in dispatch and user functions.
#include <cmath>

#include "interp/expansion.h"
#include "interp/function_codes.h"
#include "interp/functions.h"
#include "interp/user_functions.h"
#include "interp/value_text.h"
#include "values_fixture.h"

namespace tess::testing {
namespace {

// A token of an unassigned code, for the calls that must fail.
std::string token(uint16_t code) {
  return std::string("\x01" "f") + static_cast<char>(code >> 8) + static_cast<char>(code & 0xFF);
}
std::string token(Fn code) { return function_token(code); }
const std::string UNKNOWN = token(0x1022);
const std::string ABS = token(Fn::kAbs);  // its low byte is a blank
const std::string SIN = token(Fn::kSin);  // its low byte is a comma
const std::string USER = token(Fn::kUserFunction);

class Expansion : public ValuesTest {
 protected:
  std::string expand(std::string_view s) { return expand_calls(in, s); }
  void def(std::string_view s) { define_user_function(in, s); }
};

TEST_F(Expansion, UnknownCodesGiveAnEmptyText) {
  const std::pair<std::string, std::string> cases[] = {
      {"2*" + UNKNOWN, "2*"},
      {"2*" + UNKNOWN + "(5)+1", "2*+1"},
      {UNKNOWN + "+(5)", "+(5)"},                  // a '(' not right after the token stays
      {UNKNOWN + "(\")\")", "\")"},                // a ')' in quotes ends the list
      {"\"" + UNKNOWN + "(1)\"", "\"" + UNKNOWN + "(1)\""},  // quoted: untouched
      {"no calls", "no calls"},
      {UNKNOWN.substr(0, 3), ""},                  // a cut-off token
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(expand(text), want);
}

TEST_F(Expansion, BuiltInsReplaceTheirCallByValueText) {
  const std::string LEFT = token(Fn::kLeft), SQR = token(Fn::kSqr);
  const std::pair<std::string, std::string> cases[] = {
      {"2*" + ABS + "(-3)", "2*3"},
      {"x=" + LEFT + "(\"abc\",2)", "x=\"ab\""},
      {SQR + "(" + ABS + "(-16))", "4"},
      {ABS + "(-1)+" + ABS + "( -2 )", "1+2"},
  };
  for (const auto& [text, want] : cases) EXPECT_EQ(expand(text), want);
  // A double quote made by the character function is stored escaped.
  let("q$=" + expand(token(Fn::kChr) + "(34)"));
  EXPECT_EQ(str("q$"), "\x01" "D");
  EXPECT_EQ(decode(str("q$+q$"), true), "\"\"");
}

TEST_F(Expansion, UserFunctionsWithGlobalParameters) {
  def("f(x)=x*2");
  def("g$(a$,n)=a$+\"!\"");
  EXPECT_EQ(expand("y=" + USER + "f(3)+1"), "y=6+1");
  EXPECT_EQ(num("x"), 3);  // the parameter is the global variable
  EXPECT_EQ(expand(USER + "g$(\"hi\", 2)"), "\"hi!\"");
  EXPECT_EQ(str("a$"), "hi");
  EXPECT_EQ(num("n"), 2);
  EXPECT_EQ(expand(USER + "f(1/3)"), "0.66666666666667");
  EXPECT_EQ(expand(USER + "f(1,2,3)"), "2");  // extra arguments are ignored
}

TEST_F(Expansion, CallsNestAndExpandTheirArgumentsFirst) {
  def("f(x)=x*2");
  def("h(x)=" + USER + "f(x)+1");
  EXPECT_EQ(in.user_functions().find("h")->body, USER + "f(x)+1");  // kept unexpanded
  EXPECT_EQ(expand(USER + "h(2)"), "5");
  EXPECT_EQ(expand(USER + "f(" + USER + "f(1))"), "4");
  def("k=7");
  EXPECT_EQ(expand(USER + "k=7"), "7=7");  // a call without arguments ends at '='
}

TEST_F(Expansion, DefinitionsReplaceByNameUpToTwoHundredFiftyFive) {
  def("ab(x)=1");
  def("a(x)=2");
  EXPECT_EQ(expand(USER + "ab(0)"), "1");
  def("a(y)=3");
  EXPECT_EQ(expand(USER + "a(0)"), "3");
  EXPECT_EQ(in.user_functions().size(), 2u);
  for (int i = 2; i < 255; ++i) def("u" + std::to_string(i) + "=0");
  EXPECT_NE(error_of([&] { def("one_more=0"); }).find("255"), std::string::npos);
  in.reset();
  EXPECT_EQ(in.user_functions().size(), 0u);
}

TEST_F(Expansion, UserFunctionFailures) {
  def("f(x,y)=x+y");
  def("r(x)=" + USER + "r(x)");
  for (std::string text : {USER + "nothing(1)", USER + "f(1)", USER + "r(1)"})
    EXPECT_NE(error_of([&] { expand(text); }), "no error");
  EXPECT_NE(error_of([&] { def("noequals(x)"); }), "no error");
  EXPECT_NE(error_of([&] { def("f(x)=" + std::string(1024, '1')); }).find("1,023"), std::string::npos);
  EXPECT_NE(error_of([&] { expand(UNKNOWN + "(1"); }), "no error");
  EXPECT_EQ(in.eval_depth(), 0);
}

// A function token's code bytes may be a blank or a comma: every scan before
// expansion takes the token as one unit.
TEST_F(Expansion, FunctionTokensAreOneUnit) {
  def("f (x) = " + ABS + "(x) + " + SIN + "(x)");
  EXPECT_EQ(in.user_functions().find("f")->body, ABS + "(x)+" + SIN + "(x)");
  const double sine = std::stod(number_text(std::sin(-2.0)));
  EXPECT_EQ(expand(USER + "f(-2)"), number_text(2 + sine));
  EXPECT_EQ(strip_blanks("a " + ABS + " b"), "a" + ABS + "b");
  std::string arg;
  const std::string items = SIN + "(1)," + ABS + "(2)";
  std::size_t next = split_argument(items, 0, arg);
  EXPECT_EQ(arg, SIN + "(1)");
  split_argument(items, next, arg);
  EXPECT_EQ(arg, ABS + "(2)");
  EXPECT_EQ(count_arguments(items), 2);
  // A code byte ')' inside an argument list does not close it.
  EXPECT_EQ(expand(UNKNOWN + "(" + token(0x1129) + ")+1"), "+1");
}

}  // namespace
}  // namespace tess::testing
