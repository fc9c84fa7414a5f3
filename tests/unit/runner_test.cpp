// The statement runner and dispatcher: cutting rules, the statement table, errors.
#include <gtest/gtest.h>

#include "interp/statement_codes.h"
#include "interp/statements.h"
#include "program_runner.h"

using tess::Stmt;
using tess::testing::run_text;

namespace {

const std::string kPrint = code_bytes(Stmt::kPrint);

TEST(Runner, EmptyProgramEndsQuietly) {
  auto r = run_text("");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
}

TEST(Runner, PrintsLiteralsLineByLine) {
  auto r = run_text(" " + kPrint + " \"a\"\n " + kPrint + " \"b\"\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "a\nb\n");
}

TEST(Runner, LineNumbersAreSkipped) {
  auto r = run_text("10 " + kPrint + " \"x\"\n20 " + kPrint + " \"y\"\n");
  EXPECT_EQ(r.out, "x\ny\n");
}

TEST(Runner, ColonSeparatesStatementsOutsideQuotes) {
  auto r = run_text(" " + kPrint + " \"a:b\":" + kPrint + " \"c\"\n");
  EXPECT_EQ(r.out, "a:b\nc\n");
}

TEST(Runner, BlanksAfterColonAreSkipped) {
  auto r = run_text(" " + kPrint + " \"a\":  \t" + kPrint + " \"b\"\n");
  EXPECT_EQ(r.out, "a\nb\n");
}

TEST(Runner, EmptyStatementsAreNotExecuted) {
  auto r = run_text(" " + kPrint + " \"a\"::" + kPrint + " \"b\"\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "a\nb\n");
}

TEST(Runner, OddQuoteKeepsQuotedModeToLineEnd) {
  // The ':' after the unmatched quote does not end the statement: the print gets
  // the whole rest of the line, a literal running to the next quote, and the
  // second print never runs on its own.
  auto r = run_text(" " + kPrint + " \"a:" + kPrint + " \"b\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "a:" + kPrint + " \n");
}

TEST(Runner, LabelsDoNothing) {
  auto r = run_text(" *start\n " + kPrint + " \"a\"\n");
  EXPECT_EQ(r.out, "a\n");
}

TEST(Runner, CodeWithoutBlankGetsEmptyArguments) {
  auto r = run_text(" " + kPrint + "\n " + kPrint + " \n");
  EXPECT_EQ(r.out, "\n\n");
}

TEST(Runner, CodeBytesAtLineStartAreTakenAsTheyAre) {
  // The list-files code's second byte is ':': it would be cut there if the runner scanned it; taken
  // whole it reaches its own handler instead of failing as a stray assignment.
  auto r = run_text(" " + code_bytes(Stmt::kFiles) + "\n");
  EXPECT_EQ(r.err.find("assignment"), std::string::npos) << r.err;
  EXPECT_EQ(r.err.find("not in the table"), std::string::npos) << r.err;
}

TEST(Runner, CodeBytesAfterSeparatorPassTheScan) {
  // After ':' the list-files code's ':' byte is a separator: the statement is just
  // its first byte, an assignment, which fails differently.
  auto r = run_text(" " + kPrint + " \"a\":" + code_bytes(Stmt::kFiles) + "\n");
  EXPECT_EQ(r.out, "a\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err.find("list files"), std::string::npos) << r.err;
}

TEST(Dispatcher, UnlistedCodeIsAnError) {
  auto r = run_text("10 " + kPrint + " \"before\"\n20 \x10\x22 x\n30 " + kPrint + " \"after\"\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "before\n");
  EXPECT_NE(r.err.find("runtime error 1"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("0x1022 is not in the table"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("line 20"), std::string::npos) << r.err;
}

TEST(Dispatcher, UnlistedCodesAcrossBothPages) {
  for (const char* code : {"\x10\x28", "\x10\x68", "\x10\x83", "\x10\xA0", "\x11\x11", "\x11\x13"}) {
    auto r = run_text(std::string(" ") + code + "\n");
    EXPECT_EQ(r.status, 1) << code;
    EXPECT_NE(r.err.find("is not in the table"), std::string::npos) << r.err;
  }
}

TEST(Dispatcher, DoNothingStatementsRun) {
  auto r = run_text(" " + code_bytes(Stmt::kNop) + " anything\n " + code_bytes(Stmt::kData) + " 1,2,3\n " + kPrint + " \"ok\"\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "ok\n");
}

}  // namespace
