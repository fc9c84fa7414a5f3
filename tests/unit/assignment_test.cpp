// The assignment, erase and definition statements through the dispatcher.
#include "interp/function_codes.h"
#include "interp/statement_codes.h"
#include "program_runner.h"
#include "values_fixture.h"

namespace tess::testing {
namespace {

class Statements : public ValuesTest {
 protected:
  bool run(std::string_view statement) { return in.dispatch(statement, 0); }
};

TEST_F(Statements, PlainAndExplicitAssignment) {
  EXPECT_TRUE(run("x = 1 + 2"));
  EXPECT_EQ(num("x"), 3);
  EXPECT_TRUE(run(code_bytes(Stmt::kLet) + " y=x*2"));
  EXPECT_EQ(num("y"), 6);
  EXPECT_TRUE(run("t=3<4"));
  EXPECT_EQ(num("t"), -1);
  EXPECT_TRUE(run("f=3=4"));
  EXPECT_EQ(num("f"), 0);
  EXPECT_TRUE(run("s$ = \"a b\" + \"c\""));
  EXPECT_EQ(str("s$"), "a bc");
  EXPECT_TRUE(run("a(1+1)=5"));
  EXPECT_EQ(num("a(2)"), 5);
}

TEST_F(Statements, DefinitionKeepsItsTokensAndCallsExpand) {
  EXPECT_TRUE(run(code_bytes(Stmt::kDef) + " sq(v) = v * v"));
  EXPECT_TRUE(run("r=" + function_token(Fn::kUserFunction) + "sq(4)+1"));
  EXPECT_EQ(num("r"), 17);
  EXPECT_EQ(num("v"), 4);
}

TEST_F(Statements, EraseNamesInAList) {
  EXPECT_TRUE(run("a(1)=1"));
  EXPECT_TRUE(run("b$(1)=\"x\""));
  EXPECT_TRUE(run(code_bytes(Stmt::kErase) + " a, b$"));
  EXPECT_EQ(num("a(1)"), 0);
  EXPECT_EQ(str("b$(1)"), "");
}

TEST_F(Statements, AssignmentWithoutEqualsIsARuntimeError) {
  EXPECT_FALSE(run("x+1"));
  EXPECT_TRUE(in.stop_requested());
}

// Data items are cut at commas, but not at the comma code byte of SIN's token.
TEST(StatementPrograms, DataItemsKeepFunctionTokensWhole) {
  const std::string SIN = function_token(Fn::kSin), ABS = function_token(Fn::kAbs);
  auto r = run_text(" " + code_bytes(Stmt::kData) + " " + SIN + "(0)," + ABS + "(-5),7\n " + code_bytes(Stmt::kRead) + " a,b,c\n " + code_bytes(Stmt::kPrint) + " a;b;c\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, " 0  5  7\n");
}

TEST(StatementPrograms, AssignmentsRunInAProgram) {
  auto r = run_text(" x=1\n y=x+1:z$=\"q\"\n " + code_bytes(Stmt::kPrint) + " \"done\"\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "done\n");
  auto bad = run_text(" x=5/0\n " + code_bytes(Stmt::kPrint) + " \"not reached\"\n");
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_NE(bad.err.find("division by 0"), std::string::npos);
}

}  // namespace
}  // namespace tess::testing
