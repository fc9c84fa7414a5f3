// Control structures compiled to targets: each target names the separator before
// the statement to run (the '\n' ending the previous line, the ':' before it, or
// ffffffff for the start). The programs also run, to show the targets work.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/unit/program_runner.h"
#include "tests/unit/tokenizer_test_support.h"

namespace tess::tok::testing {
namespace {

// The argument text of the n-th statement with this code (counting from 0).
std::string args_of(const std::string& text, Stmt code, int n = 0) {
  std::size_t at = 0;
  for (int i = 0; i <= n; ++i) {
    at = text.find(st(code) + " ", i == 0 ? 0 : at + 1);
    if (at == std::string::npos) return "";
  }
  const std::size_t begin = at + 3;
  std::size_t end = begin;
  while (end < text.size() && text[end] != '\n' && text[end] != ':') ++end;
  return text.substr(begin, end - begin);
}

// The position a target text names, as the runtime reads it.
long position(const std::string& target) { return static_cast<long>(static_cast<int32_t>(std::strtoul(target.c_str(), nullptr, 16))); }
std::string first_word(const std::string& s) { return s.substr(0, s.find(' ')); }

// Where `what` begins, and the separator just before it.
long separator_before(const std::string& text, const std::string& what) {
  const std::size_t at = text.find(what);
  if (at == 0) return -1;
  std::size_t sep = at - 1;
  while (sep > 0 && text[sep] != '\n' && text[sep] != ':') --sep;
  return text[sep] == '\n' || text[sep] == ':' ? static_cast<long>(sep) : -1;
}
long separator_after(const std::string& text, const std::string& what) {
  return static_cast<long>(text.find_first_of(":\n", text.find(what)));
}

std::string run(std::string_view source) { return tess::testing::run_text(text_of(source)).out; }

TEST(TokenizerTargets, ForHeadExitsAfterItsNextAndNextReturnsBeforeTheHead) {
  const std::string text = text_of("PRINT 0\nFOR i=1 TO 3: PRINT i\nNEXT i\nPRINT 9");
  EXPECT_EQ(position(first_word(args_of(text, Stmt::kFor))), separator_after(text, st(Stmt::kNext)));
  EXPECT_EQ(position(args_of(text, Stmt::kNext)), separator_before(text, st(Stmt::kFor)));
  EXPECT_EQ(run("FOR i=1 TO 3: PRINT i;: NEXT i: PRINT \"!\""), " 1 2 3!\n");
}

TEST(TokenizerTargets, NestedLoopsAndNextWithTwoVariables) {
  const std::string text = text_of("FOR i=1 TO 2:FOR j=1 TO 2:PRINT i;j;:NEXT j,i");
  // The inner head is reached through the ':' before it; the inner loop leaves
  // through the ':' between the two loop ends.
  EXPECT_EQ(position(args_of(text, Stmt::kNext, 0)), separator_before(text, st(Stmt::kFor) + " " + first_word(args_of(text, Stmt::kFor, 1))));
  EXPECT_EQ(position(args_of(text, Stmt::kNext, 1)), -1);
  EXPECT_EQ(position(first_word(args_of(text, Stmt::kFor, 1))), separator_after(text, st(Stmt::kNext)));
  EXPECT_EQ(run("FOR i=1 TO 2:FOR j=1 TO 2:PRINT i*10+j;:NEXT j,i"), " 11 12 21 22");
}

TEST(TokenizerTargets, WhileTestHasEightDigitsAndWendJumpsBack) {
  const std::string text = text_of("i=0\nWHILE i<3\n i=i+1: PRINT i;\nWEND\nPRINT");
  const std::string test = args_of(text, Stmt::kWhile);
  ASSERT_EQ(test.size(), 12u);
  EXPECT_EQ(test.substr(8), " i<3");
  EXPECT_EQ(position(test.substr(0, 8)), separator_after(text, st(Stmt::kWend)));
  EXPECT_EQ(position(args_of(text, Stmt::kWend)), separator_before(text, st(Stmt::kWhile)));
  EXPECT_EQ(run("i=0\nWHILE i<3\n i=i+1: PRINT i;\nWEND\nPRINT"), " 1 2 3\n");
}

TEST(TokenizerTargets, ExitLeavesTheInnermostLoopThroughTheClearingJump) {
  const std::string text = text_of("FOR i=1 TO 9\n IF i=3 THEN EXIT FOR\n PRINT i;\nNEXT\nPRINT \"end\"");
  EXPECT_EQ(position(args_of(text, Stmt::kExit)), separator_after(text, st(Stmt::kNext)));
  EXPECT_EQ(run("FOR i=1 TO 9\n IF i=3 THEN EXIT FOR\n PRINT i;\nNEXT\nPRINT \"end\""), " 1 2end\n");
  EXPECT_EQ(run("WHILE 1\n n=n+1: IF n>2 THEN EXIT WHILE\nWEND\nPRINT n"), " 3\n");
}

TEST(TokenizerTargets, LabelsAndLineNumbersNameTheLineEndBeforeThem) {
  const std::string text = text_of("GOTO *skip\nPRINT 1\n*skip\n20 PRINT 2\nGOSUB 20");
  EXPECT_EQ(position(args_of(text, Stmt::kGoto)), separator_before(text, "*skip\n"));
  EXPECT_EQ(position(args_of(text, Stmt::kGosub)), separator_before(text, "20 "));
  EXPECT_EQ(text_of("*top\nGOTO *top"), " *top\n " + st(Stmt::kGoto) + " ffffffff\n");
  EXPECT_EQ(run("GOSUB *s: PRINT \"back\": END\n*s\nPRINT \"in\";: RETURN"), "inback\n");
}

TEST(TokenizerTargets, ComputedBranchesAndEventHandlers) {
  const std::string text = text_of("*a\n*b\nON k GOSUB *a, *b\nON KEY GOSUB *a,,*b\nON MOUSE(3) GOTO *b");
  const std::string a = first_word(args_of(text_of("*a\nGOTO *a"), Stmt::kGoto));
  EXPECT_EQ(args_of(text, Stmt::kOn, 0), "k gosub ffffffff,3");
  EXPECT_EQ(args_of(text, Stmt::kOn, 1).substr(0, 10), "key gosub ");
  EXPECT_EQ(text.substr(text.find("key gosub "), 25), "key gosub ffffffff,,3\n " + st(Stmt::kOn));
  EXPECT_EQ(args_of(text, Stmt::kOn, 2), "mouse(3) goto 3");
  EXPECT_EQ(a, "ffffffff");
  EXPECT_EQ(run("ON 2 GOTO *a, *b\n*a\nPRINT \"a\"\n*b\nPRINT \"b\""), "b\n");
}

TEST(TokenizerTargets, RestartNeverNamesTheStartAndRestoreNamesALineStart) {
  // ffffffff is refused by the restart: an empty first line gives a '\n' to name.
  EXPECT_EQ(text_of("PRINT 1\nRUN"), " \n" + std::string(" ") + st(Stmt::kPrint) + " 1\n " + st(Stmt::kRun) + " 1\n");
  EXPECT_EQ(args_of(text_of("*t\nRUN *t, ALL"), Stmt::kRun), "1,1,all");
  EXPECT_EQ(args_of(text_of("BEEP\n*t\nRUN *t"), Stmt::kRun), "3");
  EXPECT_EQ(args_of(text_of("RUN ALL"), Stmt::kRun), "1,1,all");
  // The data search starts at a line's first byte.
  const std::string text = text_of("BEEP\n*d\nDATA 1\nRESTORE *d");
  EXPECT_EQ(position(args_of(text, Stmt::kRestore)), separator_before(text, "*d") + 1);
  EXPECT_EQ(run("READ a, b: RESTORE *d: READ c: PRINT a; b; c\nDATA 1\n*d\nDATA 2"), " 1  2  2\n");
}

TEST(TokenizerTargets, ConditionalsOneLineAndBraces) {
  EXPECT_EQ(text_of("IF a THEN 10 ELSE *x\n10 *x"),
            " " + st(Stmt::kIf) + " a then " + st(Stmt::kGoto) + " 1b else " + st(Stmt::kGoto) + " 1b\n10 *x\n");
  EXPECT_EQ(text_of("IF a GOTO 10\n10 BEEP"), " " + st(Stmt::kIf) + " a then " + st(Stmt::kGoto) + " f\n10 " + st(Stmt::kBeep) + "\n");
  EXPECT_EQ(text_of("IF a THEN {\n BEEP\n} ELSE IF b THEN {\n CLS\n} ELSE {\n END\n}"),
            " " + st(Stmt::kIf) + " a then {\n " + st(Stmt::kBeep) + "\n }else " + st(Stmt::kIf) + " b then {\n " + st(Stmt::kCls) +
                "\n }else {\n " + st(Stmt::kEnd) + "\n }\n");
  EXPECT_EQ(text_of("IF a THEN IF b THEN x=1 ELSE x=2 ELSE x=3"),
            " " + st(Stmt::kIf) + " a then " + st(Stmt::kIf) + " b then x=1 else x=2 else x=3\n");
  EXPECT_EQ(run("a=2\nIF a=1 THEN {\n PRINT 1\n} ELSE IF a=2 THEN {\n PRINT 2\n} ELSE {\n PRINT 3\n}\nPRINT 9"),
            " 2\n 9\n");
  EXPECT_EQ(run("a=0: IF a THEN PRINT \"t\" ELSE PRINT \"e\": PRINT \"f\""), "e\nf\n");
}

TEST(TokenizerTargets, ThreadStartNamesItsLabel) {
  const std::string text = text_of("THREAD *w\nEND 2\n*w\nPRINT 1");
  EXPECT_EQ(position(args_of(text, Stmt::kThread)), separator_before(text, "*w\n"));
}

}  // namespace
}  // namespace tess::tok::testing
