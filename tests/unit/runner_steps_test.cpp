// The runner's remembered steps between statements (runner_steps.h): programs
// that pass the same separators again and again must print, end and report
// exactly as with the caches off. The texts are written by hand so that jumps
// can land on a ':' or inside a statement, which the tokeniser never produces.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "interp/statement_codes.h"
#include "program_runner.h"
#include "tools/tokenizer/tokenizer.h"

namespace tess::testing {
namespace {

const std::string P = code_bytes(Stmt::kPrint);  // print
const std::string kIf = code_bytes(Stmt::kIf);  // conditional
const std::string kGoto = code_bytes(Stmt::kGoto);  // jump
const std::string kGosub = code_bytes(Stmt::kGosub);  // call
const std::string kReturn = code_bytes(Stmt::kReturn);  // return
const std::string kPlainJump = code_bytes(Stmt::kWend);
const std::string kDim = code_bytes(Stmt::kDim);

// "{name}" marks the position of the byte after it (and is removed); "`name`"
// becomes that position as eight hex digits, a target.
std::string with_targets(std::string_view source) {
  std::string out;
  std::map<std::string, std::size_t> marks;
  std::vector<std::pair<std::size_t, std::string>> uses;
  for (std::size_t i = 0; i < source.size();) {
    const char c = source[i];
    if (c == '{' || c == '`') {
      const std::size_t end = source.find(c == '{' ? '}' : '`', i + 1);
      const std::string name(source.substr(i + 1, end - i - 1));
      if (c == '{') {
        marks[name] = out.size();
      } else {
        uses.emplace_back(out.size(), name);
        out += "00000000";
      }
      i = end + 1;
    } else {
      out += c;
      ++i;
    }
  }
  for (const auto& [at, name] : uses) {
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(marks.at(name)));
    out.replace(at, 8, hex);
  }
  return out;
}

RunResult run_with_caches(const std::string& text, bool on) {
  if (on) unsetenv("TESS_NO_CACHE");
  else setenv("TESS_NO_CACHE", "1", 1);
  RunResult r = run_text(text);
  unsetenv("TESS_NO_CACHE");
  return r;
}

// Runs both ways; answers the cached run after comparing.
RunResult same_both_ways(const std::string& text) {
  const RunResult off = run_with_caches(text, false);
  const RunResult on = run_with_caches(text, true);
  EXPECT_EQ(on.out, off.out);
  EXPECT_EQ(on.err, off.err);
  EXPECT_EQ(on.status, off.status);
  return on;
}

TEST(RunnerSteps, SeparatorsBlanksAndEmptyStatementsInALoop) {
  const RunResult r = same_both_ways(with_targets(
      " I=0{top}\n"
      " I=I+1::" + P + " I:  \t" + P + " \"x\"::\n"
      ":" + P + " \"colon line\"\n"
      "7 " + kIf + " I<4 then " + kGoto + " `top`\n"
      " " + P + " \"end\"\n"));
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find(" 4\nx\ncolon line\nend"), std::string::npos) << r.out;
}

TEST(RunnerSteps, JumpToASeparatorInsideALine) {
  // The conditional finds itself from the statement start the ':' sets.
  const RunResult r = same_both_ways(with_targets(
      " I=0\n"
      " " + P + " \"a\"{mid}: I=I+1: " + kIf + " I<5 then " + kGoto + " `mid` else " + P + " \"done\"\n"));
  EXPECT_EQ(r.out, "a\ndone\n");
}

TEST(RunnerSteps, PlainJumpInSkipModeIntoAStatement) {
  // The plain jump keeps skip mode; landing on a blank sets the statement start
  // there, and the else check still cuts the part after it.
  const RunResult r = same_both_ways(with_targets(
      " " + kDim + " D(3)\n"
      " I=0{top}\n"
      " I=I+1: " + kIf + " I<5 then " + kPlainJump + " `x` else " + kGoto + " `fin`\n"
      " " + P + " \"u\"{x} " + P + " I else " + P + " \"v\"\n"
      " " + kGoto + " `top`{fin}\n"
      " " + P + " \"end\"\n"));
  EXPECT_EQ(r.out, " 1\n 2\n 3\n 4\nend\n") << r.err;
}

TEST(RunnerSteps, SkipModeEndsWithItsLine) {
  // In skip mode the else check would end the line at "else"; after the line
  // end the ':' separates again.
  const RunResult r = same_both_ways(with_targets(
      " I=0{top}\n"
      " I=I+1: " + kIf + " I \x01m 2 then " + P + " \"t\" else " + P + " \"f\"\n"
      " " + P + " \"a\" else :" + P + " \"b\"\n"
      " " + kIf + " I<4 then " + kGoto + " `top`\n"));
  EXPECT_EQ(r.out, "t\na\nb\nf\na\nb\nt\na\nb\nf\na\nb\n");
}

TEST(RunnerSteps, ElseOpeningAStatementInSkipModeEndsTheLine) {
  const RunResult r = same_both_ways(with_targets(
      " I=0{top}\n"
      " I=I+1: " + kIf + " I \x01m 2 then " + P + " \"t\":else " + P + " \"f\": " + P + " \"g\"\n"
      " " + kIf + " I<4 then " + kGoto + " `top`\n"));
  EXPECT_EQ(r.out, "t\nf\ng\nt\nf\ng\n");
}

TEST(RunnerSteps, SkipModeStatementPassesTheElseCheckThoughItHasAPlan) {
  // "A=X else " has a plan (A = Xelse) made while it ran outside skip mode;
  // in skip mode the same statement is cut at its else.
  const RunResult r = same_both_ways(with_targets(
      " X=5: Xelse=7: I=0{top}\n"
      " I=I+1: " + kIf + " I \x01m 2 then{t} A=X else :" + P + " \"b\"\n"
      " " + P + " A: " + kIf + " I=2 then J=J+1: " + kIf + " J<2 then " + kGoto + " `t`\n"
      " " + kIf + " I<5 then " + kGoto + " `top`\n"));
  EXPECT_EQ(r.out, " 5\nb\n 5\nb\n 7\n 5\nb\n 5\n 5\n");
}

TEST(RunnerSteps, ErrorAfterManyPassesReportsTheSameStatementStart) {
  // The failing statement is reached through remembered steps of each kind.
  const std::string kPrintI = P + " I";
  for (const std::string& failing : {std::string("A=D(I)"), kPrintI + ":B=D(I)", kPrintI + "::  B=D(I)"}) {
    const RunResult r = same_both_ways(with_targets(
        " " + kDim + " D(3)\n"
        " I=0{top}\n"
        " I=I+1: " + kIf + " I<9 then " + kPlainJump + " `x` else " + kGoto + " `fin`\n"
        " " + P + " \"u\"{x} " + failing + " else " + P + " \"v\"\n"
        " " + kGoto + " `top`{fin}\n"
        " " + P + " \"end\"\n"));
    EXPECT_EQ(r.status, 1) << failing;
    EXPECT_NE(r.err.find("index 4 above its bound"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, failing[0] == 'A' ? "" : " 1\n 2\n 3\n 4\n") << failing;
  }
  // The same outside skip mode: landing inside a statement leaves the statement start.
  for (const std::string& failing : {std::string("A=D(I)"), kPrintI + ":B=D(I)"}) {
    const RunResult r = same_both_ways(with_targets(
        " " + kDim + " D(3)\n"
        " I=0{top}\n"
        " I=I+1: " + kIf + " I>=9 then " + kGoto + " `fin`\n"
        " " + kPlainJump + " `x`\n"
        " " + P + " \"u\"{x} " + failing + "\n"
        " " + kGoto + " `top`{fin}\n"
        " " + P + " \"end\"\n"));
    EXPECT_NE(r.err.find("index 4 above its bound"), std::string::npos) << r.err;
  }
}

TEST(RunnerSteps, CallFromAOneLinePartReturnsIntoSkipMode) {
  const RunResult r = same_both_ways(with_targets(
      " I=0{top}\n"
      " I=I+1: " + kIf + " I \x01m 2 then " + kGosub + " `sub`: " + P + " \"odd\" else " + kGosub + " `sub`: " + P +
      " \"even\"\n"
      " " + kIf + " I<6 then " + kGoto + " `top`\n"
      " " + P + " \"end\"\n"
      " " + code_bytes(Stmt::kEnd) + "{sub}\n"
      " " + P + " I;:" + kReturn + "\n"));
  EXPECT_EQ(r.out, " 1odd\n 2even\n 3odd\n 4even\n 5odd\n 6even\nend\n");
}

TEST(RunnerSteps, TargetBeforeTheFirstLine) {
  // ffffffff is the line end before the first line.
  const RunResult r = same_both_ways(" I=I+1: " + kIf + " I<4 then " + kGoto + " ffffffff\n " + P + " I\n");
  EXPECT_EQ(r.out, " 4\n");
}

TEST(RunnerSteps, ThreadsTakingTurnsCountTheSame) {
  // While two threads run the lock changes hands after every statement; the
  // counts are fixed whatever the order.
  const std::string source =
      "A = 0 : B = 0 : DONE = 0\n"
      "FOR K = 1 TO 50 : A = A + 1 : NEXT K\n"
      "THREAD *T\n"
      "FOR I = 1 TO 400 : GOSUB *ADD : NEXT I\n"
      "WHILE DONE = 0 : WEND\n"
      "FOR K = 1 TO 50 : A = A + 1 : NEXT K\n"
      "PRINT A; B\n"
      "END\n"
      "*ADD\nA = A + 1 : RETURN\n"
      "*T\nFOR J = 1 TO 300 : B = B + 2 : NEXT J\nDONE = 1\nEND 2\n";
  const auto bytes = tok::tokenize(source);
  const RunResult r = same_both_ways(std::string(bytes.begin(), bytes.end()));
  EXPECT_EQ(r.out, " 500  600\n");
}

}  // namespace
}  // namespace tess::testing
