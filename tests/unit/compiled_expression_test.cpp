// The compiled expressions and the statement plans against the text path they
// stand in for: for every expression and every variable value below, the
// compiled form either gives the very same double (sign of zero included) or
// hands the expression back; it never answers where the text fails.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "interp/compiled_expression.h"
#include "interp/function_codes.h"
#include "interp/number_text.h"
#include "interp/variables.h"
#include "program_runner.h"
#include "tools/tokenizer/tokenizer.h"
#include "values_fixture.h"

namespace tess::testing {
namespace {

bool same_double(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

// The edge values every table runs through.
const std::vector<double> kEdges = {
    0.0, -0.0, 1.0, -1.0, 3.7, -3.7, 0.1 + 0.2, 1.0 / 3.0, 1e-5, -1e-5, 1e14 - 1, 1e14, -1e14, 1e15, 1e20,
    9007199254740993.0 /* beyond 2^53 */, 2147483647.0, 2147483648.0, -2147483648.0, -2147483649.0, 4294967296.0,
};

TEST(ValueText, RoundTripAgreesWithWritingAndReading) {
  for (double v : kEdges) {
    char buf[kNumberTextMax];
    const double general = read_decimal(std::string_view(buf, write_number(v, buf)));
    EXPECT_TRUE(same_double(through_value_text(v), general)) << v;
    EXPECT_TRUE(same_double(value_text_round(v), general)) << v;
  }
  EXPECT_TRUE(std::signbit(value_text_round(-0.0)));
  EXPECT_EQ(value_text_round(0.1 + 0.2), 0.3);  // "%.14g" rounds the sum back to 0.3
  EXPECT_THROW(through_value_text(INFINITY), NotExact);
  EXPECT_THROW(value_text_round(-INFINITY), NotExact);
  EXPECT_THROW(value_text_round(NAN), NotExact);
}

class CompiledTest : public ValuesTest {
 protected:
  // The compiled answer for e must be the text's, or NotExact; where the text
  // fails, the compiled form must not answer.
  void expect_agrees(std::string_view e, const std::string& context) {
    auto compiled = CompiledNumber::compile(e);
    if (!compiled) return;
    double text_value = 0;
    bool text_fails = false;
    try {
      text_value = num(e);
    } catch (const ProgramError&) {
      text_fails = true;
    }
    try {
      const double v = compiled->evaluate(in);
      EXPECT_FALSE(text_fails) << "compiled answered where the text fails: " << e << context;
      EXPECT_TRUE(same_double(v, text_value)) << e << context << ": compiled " << v << ", text " << text_value;
    } catch (const NotExact&) {
    } catch (const ProgramError&) {
    }
  }

  void set_variables(double x) {
    VariableStore& v = in.variables();
    v.numbers.scalar_for_write("x") = x;
    v.numbers.scalar_for_write("y") = 2.5;
    v.numbers.scalar_for_write("I") = 7;
    v.numbers.scalar_for_write("S") = 3;
    const int32_t one[] = {1}, two[] = {2};
    v.numbers.element_for_write("a", one) = x;
    v.numbers.element_for_write("a", two) = -x;
  }
};

const char* const kExpressions[] = {
    "1+2*3", "x", "-x", "-x^2", "0-x^2", "2*-x", "x^2", "a(1)", "a(2)", "a(I-6)*2", "-a(1)", "-a(1)^2",
    "(x)", "(x)^2", "2-(x)^2", "2+(x)^2", "2-(x)", "2+(x)", "2*(x)", "2*-(x)", "2^-(x)", "-(x)", "-(x)^2",
    "(x)\x01m7", "1-(x)\x01m7", "1+(x)\x01m7", "1-(x)\\3", "1-(x)*3", "1-a(2)^2", "1-a(2)*2\x01m5", "(I*3)\x01m7",
    "S+(I*3)\x01m7", "S + (I * 3) \x01m 7", "x-(0-x)", "(0-x)*2", "-(0-x)", "1e+5", "ab1e+5", "1e-(2)", "2^3^2",
    "8/4/2", "7\\2", "-7\\2", "-7\x01m2", "&hFF", "&o17", "&hFFFFFFFF", "-.5", "x=3", "x<>3", "x>=-1", "x=<y",
    "1\x01&3\x01|4", "1\x01|2\x01" "e3", "x\x01&y", "1/3", "(1/3)*3", "x/3+(x/3)", "(x)+(y)", "((x+1)*(y-1))",
    "((x))", "(x)-(x)", "x+-1", "x--1", "--3", "a(-1)", "a(x)", "1/0", "1/(x)", "5+", "2(3)", "x.y+1", "x_1+_y",
    "", "-", " ", "12abc", "-x.y", "(x)e+5", "2*-3^2", "x*(y)-(x)^(y)", "(x)>(y)", "-(x)>y", "1e300*(1e300)",
    "(1e300*1e300)", "x\\(y)", "x\x01m(0)", "x\\0", "(2147483648)\\-1", "0-(0-2147483648)\x01m7",
};

TEST_F(CompiledTest, EveryExpressionAgreesWithTheTextForEveryEdgeValue) {
  for (double x : kEdges) {
    set_variables(x);
    for (const char* e : kExpressions) expect_agrees(e, " with x = " + number_text(x));
  }
}

TEST_F(CompiledTest, PlainArithmeticCompiles) {
  for (const char* e : {"1+2*3", "S+(I*3)\x01m7", "a(I-6)*2", "-x^2", "x>=-1", "2-(x)^2", "&hFF", ""})
    EXPECT_NE(CompiledNumber::compile(e), nullptr) << e;
  // Strings, calls, not, sign pairs and stray parentheses are left to the text.
  for (const std::string& e :
       std::vector<std::string>{"a$", "\"1\"", function_token(Fn::kAbs) + "(1)", "\x01!x", "x--1", "+x", "x)", "(x", "1,2"})
    EXPECT_EQ(CompiledNumber::compile(e), nullptr) << e;
}

TEST_F(CompiledTest, SignSensitivePlacesHandTheValueBack) {
  set_variables(-3);
  // The text folds "2--3^2" into "2+3^2": the compiled form must not answer 2-9.
  auto c = CompiledNumber::compile("2-(x)^2");
  ASSERT_NE(c, nullptr);
  EXPECT_THROW(c->evaluate(in), NotExact);
  EXPECT_EQ(num("2-(x)^2"), 11);
  // A positive value goes through.
  set_variables(3);
  EXPECT_EQ(c->evaluate(in), -7);
}

TEST_F(CompiledTest, ConditionsAgreeWithTheText) {
  const char* const conditions[] = {"x>3", "x=0", "x\x01m3=0", "x<>y", "x", "x>=(0-1)", "x=<y", "x>-1",
                                    "I\x01m3=0", "y>(x)", "a(1)=x", "x=y=0", "y>x+1"};
  for (double x : kEdges) {
    set_variables(x);
    for (const char* e : conditions) {
      auto c = CompiledCondition::compile(e);
      ASSERT_NE(c, nullptr) << e;
      try {
        EXPECT_TRUE(same_double(c->evaluate(in), cond(e))) << e << " with x = " << x;
      } catch (const NotExact&) {
      }
    }
  }
}

TEST_F(CompiledTest, AStringLetterForTheLeftSideHandsTheConditionBack) {
  auto c = CompiledCondition::compile("q=0");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->evaluate(in), -1);
  add_type_letter(in, VarType::String, 'q');
  EXPECT_THROW(c->evaluate(in), NotExact);
}

TEST_F(CompiledTest, ReferencesFollowEraseAndReset) {
  auto r = CompiledReference::compile("v");
  ASSERT_NE(r, nullptr);
  r->write_number(in, 5);
  EXPECT_EQ(r->read_number(in), 5);
  erase_variable(in, "v");
  EXPECT_EQ(r->read_number(in), 0);  // the remembered record is gone
  r->write_number(in, 6);
  EXPECT_EQ(read_number(in, "v"), 6);
  in.reset();
  EXPECT_EQ(r->read_number(in), 0);
  add_type_letter(in, VarType::Integer, 'v');
  r->write_number(in, -2.9);
  EXPECT_EQ(read_number(in, "v"), -2);
}

// Whole programs with the caches on and off print the same bytes.
class CacheSwitch {
 public:
  explicit CacheSwitch(bool on) {
    if (on) unsetenv("TESS_NO_CACHE");
    else setenv("TESS_NO_CACHE", "1", 1);
  }
  ~CacheSwitch() { unsetenv("TESS_NO_CACHE"); }
};

RunResult run_source(std::string_view source, bool caches) {
  const CacheSwitch s(caches);
  const auto bytes = tok::tokenize(source);
  return run_text(std::string(bytes.begin(), bytes.end()));
}

const char* const kPrograms[] = {
    "S = 0\nFOR I = 1 TO 2000\n  S = S + (I * 3) MOD 7\nNEXT I\nPRINT S\n",
    "FOR X = 1 TO 0 STEP -0.25\n PRINT X\nNEXT X\nFOR X = 0.1 TO 0.55 STEP 0.15\n PRINT X\nNEXT X\nPRINT X\n",
    "FOR I = 10 TO 1\nPRINT I\nNEXT I\nPRINT I\nFOR I% = 1 TO 3.5 STEP 1.5\nPRINT I%\nNEXT I%\n",
    "C = 0\nFOR I = 1 TO 300\n  GOSUB 1000\nNEXT I\nPRINT C\nEND\n1000 C = C + 1\nRETURN\n",
    "10 A = 0 : B = 0 : C = 0\n20 FOR I = 1 TO 500\n30 IF I MOD 3 = 0 THEN A = A + 1 ELSE GOTO 50\n"
    "40 GOTO 60\n50 IF I MOD 5 = 0 THEN B = B + 1 ELSE C = C + 1\n60 NEXT I\n70 PRINT A\n80 PRINT B\n90 PRINT C\n",
    "DIM A(100)\nFOR P = 1 TO 3\n  FOR K = 1 TO 100\n    A(K) = K * P - 50\n  NEXT K\n  S = 0\n"
    "  FOR K = 1 TO 100\n    S = S - A(K) ^ 2 + A(K) MOD 7 - (0 - A(K)) \\ 3\n  NEXT K\nNEXT P\nPRINT S\n",
    "S$ = \"\"\nFOR I = 1 TO 300\n  S$ = S$ + CHR$(65 + I MOD 26)\nNEXT I\nT = 0\nFOR K = 1 TO LEN(S$)\n"
    "  T = T + ASC(MID$(S$, K, 1))\nNEXT K\nPRINT T\nPRINT LEN(S$)\nPRINT MID$(S$, 3, 4)\n",
    "X = 0\nFOR I = 1 TO 5\nX = X + 0.1\nIF X = 0.3 THEN PRINT \"eq\" ELSE PRINT X\nNEXT I\nY = 1E+15 + 1\nPRINT Y\n"
    "Z = -2147483648\nPRINT Z \\ 3; Z MOD 7\nW = (0 - 2) ^ 2 - (0 - 3)\nPRINT W\n",
    "FOR I = 1 TO 3\nIF I = 2 THEN PRINT \"two\" : GOTO 10\nPRINT I\n10 NEXT I\nQ = 5\nDEFSTR Q\nQ = \"s\"\nPRINT Q\n",
    "A = 3\nFOR I = 1 TO 4\nA = A / (I - 4)\nPRINT A\nNEXT I\n",
    // Calls the plans make themselves: escapes before, inside and after the part
    // read, bytes from 0x80 up, parts past the end, two-argument middle parts,
    // a limit that changes while the loop runs, and the errors of the text.
    "S$ = \"\"\nFOR I = 30 TO 40\n  S$ = S$ + CHR$(I)\nNEXT I\nS$ = S$ + CHR$(0) + CHR$(1)\nFOR I = 126 TO 132\n"
    "  S$ = S$ + CHR$(I)\nNEXT I\nS$ = S$ + CHR$(-190)\nT = 0\nFOR K = 1 TO LEN(S$) + 2\n"
    "  T = T * 3 + ASC(MID$(S$, K, 1)) + LEN(MID$(S$, K)) - ASC(S$)\n  PRINT K; T; LEN(MID$(S$, K, 2))\nNEXT K\n"
    "PRINT LEN(S$); ASC(\"\"); -ASC(MID$(S$, 2, 1)) ^ 2; 2 - -LEN(S$)\n",
    "A$ = \"xyz\"\nFOR K = 1 TO LEN(A$)\n  IF K < 4 THEN A$ = A$ + CHR$(64 + K)\n  PRINT K; A$\nNEXT K\n"
    "K = 0\nN = ASC(MID$(A$, K, 1))\nPRINT N\n",
    "B$ = \"ab\"\nN = 3\nFOR I = 1 TO 3\n  N = N - 1\n  M = LEN(MID$(B$, 1, N - 1))\n  PRINT M\nNEXT I\n",
    "C = 5\nC = C + LEN(Q$) + ASC(Q$)\nPRINT C\nQ$ = Q$ + CHR$(34)\nPRINT LEN(Q$); ASC(Q$); ASC(MID$(Q$, 1, 1))\n",
};

TEST(StatementCache, ProgramsPrintTheSameWithCachesOnAndOff) {
  for (const char* source : kPrograms) {
    const RunResult off = run_source(source, false);
    const RunResult on = run_source(source, true);
    EXPECT_EQ(on.out, off.out) << source;
    EXPECT_EQ(on.status, off.status) << source;
    EXPECT_EQ(on.err, off.err) << source;
    EXPECT_FALSE(off.out.empty()) << source;
  }
}

}  // namespace
}  // namespace tess::testing
