// The input statements and keyboard functions on the headless console: typed
// lines from the typed-input stream, prompts, value splitting, the warning and
// the fresh prompt, numbers read from typed values, line input, text position.
#include <gtest/gtest.h>

#include <string>

#include "interp/statement_codes.h"
#include "console/input_parse.h"
#include "program_runner.h"
#include "tokenizer_test_support.h"

namespace {

using tess::Stmt;
using tess::testing::run_text;
using tess::tok::testing::text_of;

// "Warning: 不正な入力です" as the headless console notes the box (CP932).
const std::string kWarningNote = "Warning: \x95\x73\x90\xb3\x82\xc8\x93\xfc\x97\xcd\x82\xc5\x82\xb7\n";

TEST(InputParse, PromptForms) {
  auto with_semicolon = tess::input_statement_prompt("\"Name\";n$,a");
  EXPECT_EQ(with_semicolon.print_text, "\"Name\";\"? \";");
  EXPECT_EQ(with_semicolon.rest, "n$,a");
  auto with_comma = tess::input_statement_prompt("\"a,b\",x");
  EXPECT_EQ(with_comma.print_text, "\"a,b\";");
  EXPECT_EQ(with_comma.rest, "x");
  auto none = tess::input_statement_prompt("x,y");
  EXPECT_EQ(none.print_text, "\"? \";");
  EXPECT_EQ(none.rest, "x,y");
  EXPECT_THROW(tess::input_statement_prompt("\"no separator\""), tess::ProgramError);

  EXPECT_EQ(tess::line_input_prompt("\"Say\";s$").print_text, "\"Say\";\"? \";");
  EXPECT_EQ(tess::line_input_prompt("\"Say\",s$").rest, "s$");
  EXPECT_EQ(tess::line_input_prompt("s$").rest, "s$");
  EXPECT_THROW(tess::line_input_prompt("\"open;s$"), tess::ProgramError);
  EXPECT_THROW(tess::line_input_prompt("\"Say\"s$"), tess::ProgramError);
}

TEST(InputParse, TheLineStatementIsLineInputOnlyBeforeABlankTabOrQuote) {
  std::string_view rest;
  EXPECT_TRUE(tess::is_line_input("InPuT  \"p\";a$", rest));
  EXPECT_EQ(rest, "\"p\";a$");
  EXPECT_TRUE(tess::is_line_input("input\"p\";a$", rest));
  EXPECT_FALSE(tess::is_line_input("inputx", rest));
  EXPECT_FALSE(tess::is_line_input("(0,0)-(9,9)", rest));
}

TEST(InputParse, NamesSplitOutsideParenthesesValuesAtEveryComma) {
  EXPECT_EQ(tess::split_names("a,b(1,2),c$"), (std::vector<std::string>{"a", "b(1,2)", "c$"}));
  EXPECT_EQ(tess::split_values("\"x,y\",z").size(), 3u) << "quotes give no protection";
  EXPECT_EQ(tess::split_values("").size(), 1u) << "an empty line is one empty value";
}

TEST(InputParse, NumbersReadFromTheStartOfATypedValue) {
  EXPECT_EQ(tess::leading_number("12abc"), 12);
  EXPECT_EQ(tess::leading_number("abc"), 0);
  EXPECT_EQ(tess::leading_number("  -3.5e2x"), -350);
  EXPECT_EQ(tess::leading_number("7e"), 7) << "an exponent needs a digit";
  EXPECT_EQ(tess::leading_number("+.5"), 0.5);
  EXPECT_EQ(tess::leading_number("-"), 0);
  EXPECT_EQ(tess::leading_number("0x10"), 0) << "no other bases";
}

TEST(InputStatement, AWrongCountWarnsAndAsksAgain) {
  const auto r = run_text(text_of("input \"Two\";a,b\nprint a+b\n"), "5\n1,2\n");
  EXPECT_EQ(r.out, "Two ? 5\nTwo ? 1,2\n 3\n");
  EXPECT_EQ(r.err, kWarningNote);
  EXPECT_EQ(r.status, 0);
}

TEST(InputStatement, StringsTakeTheValueAsTypedNumbersTheirLeadingNumber) {
  const auto r = run_text(text_of("input \"\",s$,n,m\nprint s$;\"|\";n;m\n"), " \"q\" ,12abc,abc\n");
  EXPECT_EQ(r.out, " \"q\" ,12abc,abc\n \"q\"  |  12  0\n");
}

TEST(InputStatement, AQuotedCommaStillSplitsTheValues) {
  const auto r = run_text(text_of("input a$\nprint a$\n"), "\"x,y\"\nok\n");
  EXPECT_EQ(r.out, "? \"x,y\"\n? ok\nok\n");
  EXPECT_EQ(r.err, kWarningNote);
}

TEST(InputStatement, EnterOnAnEmptyLineGivesEmptyOrZero) {
  const auto r = run_text(text_of("n=9: s$=\"x\"\ninput n\ninput s$\nprint n;len(s$)\n"), "\n\n");
  EXPECT_EQ(r.out, "? \n? \n 0  0\n");
}

TEST(InputStatement, BackspaceEditsTheTypedLineButNotThePrompt) {
  const auto r = run_text(text_of("input \"P\",s$\nprint s$\n"), "\b\bab\bc\x82\xa0\b!\n");
  EXPECT_EQ(r.out, "Pab\x63\x82\xa0!\nac!\n") << "the stream shows what was echoed";
}

TEST(InputStatement, TheEndOfTypedInputEndsTheRunLikeClosingTheConsole) {
  const auto r = run_text(text_of("input a\nprint \"not reached\"\n"), "");
  EXPECT_EQ(r.out, "? ");
  EXPECT_NE(r.err.find("typed input ended"), std::string::npos);
  EXPECT_EQ(r.status, 0);
}

TEST(LineInput, KeepsCommasAndQuotes) {
  const auto r = run_text(text_of("line input \"Say\";s$\nprint s$;len(s$)\n"), "a,\"b\"\n");
  EXPECT_EQ(r.out, "Say ? a,\"b\"\na,\"b\"  5\n");
}

TEST(LineInput, AMissingSeparatorAfterThePromptIsAnError) {
  // Built by hand: the tokeniser refuses this source.
  const auto r = run_text(" " + code_bytes(Stmt::kLine) + " input \"Say\" s$\n", "x\n");
  EXPECT_EQ(r.status, 1);
}

TEST(KeyboardFunctions, LastKeyGivesEachTypedKeyOnceThenEmpty) {
  const auto r = run_text(text_of("a$=inkey$: b$=inkey$: c$=inkey$\nprint a$;b$;len(c$)\n"), "xy");
  EXPECT_EQ(r.out, "x y  0\n");
}

TEST(KeyboardFunctions, WaitForTypedCharactersCollectsThemEncoded) {
  const auto r = run_text(text_of("a$=input$(3)\nprint a$;len(a$)\n"), "a\"b");
  EXPECT_EQ(r.out, "a\"b  3\n");
}

TEST(KeyboardFunctions, MouseStateNeedsSelectorZeroOneOrTwo) {
  EXPECT_EQ(run_text(text_of("print mousestat(0);mousestat(1);mousestat(2)\n")).out, " 0  0  0\n");
  EXPECT_EQ(run_text(text_of("print mousestat(3)\n")).status, 1);
  EXPECT_EQ(run_text(text_of("print keystate(28)\n")).out, " 0\n");
}

TEST(TextPositionStatement, PositionsByLogicalLineAndPadsWithTransparentBlanks) {
  const auto r = run_text(text_of("print \"abc\"\nprint \"de\"\nlocate 1,0: print \"X\";\nlocate 4,1: print \"Y\";\n"));
  EXPECT_EQ(r.screen, "aXc\nde\x01L\x01LY\n");
  EXPECT_EQ(run_text(text_of("locate 5\n")).status, 1);
}

TEST(TextAreaStatement, WrapsAndScrollsWithinTheArea) {
  const auto r = run_text(text_of("console 4,2\nprint \"abcdefg\"\nprint \"h\"\n"));
  EXPECT_EQ(r.screen, "h\n");
  EXPECT_EQ(run_text(text_of("console 4\n")).status, 1);
}

}  // namespace
