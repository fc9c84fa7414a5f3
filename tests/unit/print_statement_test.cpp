// The print statement (through the headless console, which expands tabs to
// columns of 8): items, separators, the line end, using clauses and the
// file and return destinations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builtin_calls.h"
#include "console/print.h"
#include "console/print_file.h"
#include "interp/function_codes.h"
#include "interp/statement_codes.h"
#include "program_runner.h"

using tess::Stmt;
using tess::Fn;
using tess::testing::run_text;

namespace {

// One program line per statement.
std::string program(const std::vector<std::string>& statements) {
  std::string text;
  for (const auto& s : statements) text += " " + s + "\n";
  return text;
}

std::string print(const std::string& args) { return code_bytes(Stmt::kPrint) + " " + args; }

struct Case {
  std::vector<std::string> statements;
  std::string expected;
};

void expect_output(const std::vector<Case>& cases) {
  for (const auto& c : cases) {
    const auto r = run_text(program(c.statements));
    EXPECT_EQ(r.status, 0) << c.statements.back() << "\n" << r.err;
    EXPECT_EQ(r.out, c.expected) << c.statements.back();
  }
}

TEST(PrintStatement, NumbersAndSeparators) {
  expect_output({
      {{print("5;-5")}, " 5 -5\n"},
      {{print("5,-5")}, " 5      -5\n"},
      {{print("0.25")}, " .25\n"},
      {{print("-0.5")}, "-.5\n"},
      {{print("1/3")}, " .33333333333333\n"},
      {{print("1e20")}, " 1e+20\n"},
      {{print("0*-1")}, " 0\n"},
      {{print("2+3;(4)")}, " 5  4\n"},
  });
}

TEST(PrintStatement, StringsAndMixedItems) {
  expect_output({
      {{print("\"a\";\"b\"")}, "a b\n"},
      {{print("\"a\",\"b\"")}, "a       b\n"},
      {{"a$=\"x\"", print("a$+\"y\";a$")}, "xy x\n"},
      {{"n=7", print("\"n=\";n")}, "n=  7\n"},
      {{print("\"a;b,c\";1")}, "a;b,c  1\n"},
  });
}

TEST(PrintStatement, LineEndRule) {
  expect_output({
      {{print("\"a\";"), print("\"b\"")}, "ab\n"},
      {{print("5,")}, " 5      \n"},
      {{print("")}, "\n"},
      {{code_bytes(Stmt::kPrint)}, "\n"},
      {{print("\"a\";  "), print("\"b\"")}, "ab\n"},
      {{print(";;"), print("\"z\"")}, " z\n"},
  });
}

TEST(PrintStatement, EscapedZeroByteShowsAsBlank) {
  // Code 0 through the character function.
  expect_output({{{print("\"a\";" + function_token(Fn::kChr) + "(0);\"b\"")}, "a   b\n"}});
}

TEST(PrintStatement, StringArrayElementsAndTypeLetters) {
  expect_output({
      {{"s$(2)=\"q\"", print("s$(1+1)")}, "q\n"},
  });
}

TEST(PrintStatement, UsingClauses) {
  expect_output({
      {{print("using \"###.##\";3.14159")}, "  3.14\n"},
      {{print("USING \"#,###|\";1234;-123")}, "1,234|\n"},
      {{print("using \"# #\";1,2")}, "1 2\n"},
      {{print("using\"&  &!\";\"abcdef\"")}, "abcd!\n"},
      {{"f$=\"##.##^^^^\"", print("using f$;1234.5")}, "12.35E+02\n"},
      {{print("using \"[@]\";\"\";")}, "[]"},
      {{print("using \"x\";"), print("")}, "x\n"},
      {{print("using \"@-@\";\"a,b\";\"c\"")}, "a,b-c\n"},
  });
}

TEST(PrintStatement, UsingNeedsAFollowingQuoteOrBlank) {
  // "usingx" is an ordinary numeric item: an unset variable.
  expect_output({{{print("usingx")}, " 0\n"}});
}

TEST(PrintStatement, Errors) {
  for (const std::string args : {"using \"##\"", "using \"&x\";\"a\"", "\"a\"+5", "#0,1", "#x,1", "#1"}) {
    const auto r = run_text(program({print(args)}));
    EXPECT_EQ(r.status, 1) << args;
  }
}

TEST(PrintStatement, TextLongerThanTheWindowBufferIsCut) {
  // STRING$(9000,"x"): the window's write takes at most 8,191 bytes.
  const auto r = run_text(program({print(function_token(Fn::kString) + "(9000,\"x\")")}));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, std::string(8191, 'x'));
}

TEST(PrintStatement, FileDestinationNeedsAnOpenSlot) {
  const auto r = run_text(program({print("#1,5")}));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("runtime error 7: file or device cannot be used, or jump target refused: print #: file 1 is not open"), std::string::npos) << r.err;
}

using PrintReturnMode = tess::testing::BuiltinCalls;

TEST_F(PrintReturnMode, TextComesBackDecoded) {
  EXPECT_EQ(tess::print_text(in_, "\"a\";\"b\"", true), "a b\n");
  EXPECT_EQ(tess::print_text(in_, "\"a\";", true), "a");
  EXPECT_EQ(tess::print_text(in_, "", true), "\n");
  EXPECT_EQ(tess::print_text(in_, "\"q\x01" "D\x01L\"", true), "q\" \n");
  EXPECT_EQ(tess::print_text(in_, "using \"##\";5", true), " 5\n");
}

TEST_F(PrintReturnMode, ZeroByteEndsTheTextButNotTheLine) {
  EXPECT_EQ(tess::print_text(in_, "\"a\x01Zb\"", true), "a\n");
  EXPECT_EQ(tess::print_text(in_, "\"a\x01Zb\";", true), "a");
}

TEST_F(PrintReturnMode, FilePrefixIsAnError) {
  EXPECT_THROW(tess::print_text(in_, "#1,5", true), tess::ProgramError);
}

TEST(PrintFile, LineEndAndDecoding) {
  EXPECT_EQ(tess::file_bytes("ab\n", false), "ab\r\n");
  EXPECT_EQ(tess::file_bytes("ab\n", true), "ab\r");
  EXPECT_EQ(tess::file_bytes("ab", false), "ab");
  EXPECT_EQ(tess::file_bytes("a\x01Zb\x01" "D\n", false), std::string("a\0b\"\r\n", 6));
}

}  // namespace
