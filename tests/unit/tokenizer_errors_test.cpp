// Source faults are reported with their line and column, and nothing is produced.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <vector>

#include "tests/unit/tokenizer_test_support.h"

namespace tess::tok::testing {
namespace {

TEST(TokenizerErrors, EachFaultNamesItsLineAndColumn) {
  const std::pair<const char*, const char*> cases[] = {
      {"PRINT 1\n  PRNT 2", "2:3: unknown keyword 'PRNT'"},
      {"x = 1\nGOTO *nowhere", "2:6: unresolved label *nowhere"},
      {"GOSUB  100", "1:8: unresolved line number 100"},
      {"PRINT 1\n  NEXT", "2:3: NEXT without FOR"},
      {"FOR i=1 TO 2\nNEXT j", "2:6: NEXT j does not match FOR i"},
      {"WHILE 1\nWEND\n WEND", "3:2: WEND without WHILE"},
      {"BEEP\n FOR i=1 TO 2", "2:2: FOR without NEXT"},
      {"WHILE x", "1:1: WHILE without WEND"},
      {"IF a THEN {\n PRINT 1", "1:11: '{' without '}'"},
      {"PRINT 1\n}", "2:1: '}' without '{'"},
      {"IF a THEN {\n}\n}", "3:1: '}' without '{'"},
      {"PRINT \"abc", "1:7: unterminated string"},
      {"*a\nBEEP\n*a", "3:1: duplicate label *a"},
      {"10 BEEP\n10 BEEP", "2:1: duplicate line number 10"},
      {"PRINT \"\xF0\x9F\x98\x80\"", "1:8: character '\xF0\x9F\x98\x80' has no Shift-JIS code"},
      {"PRINT \"\xE3\x81\"", "1:8: invalid UTF-8 byte sequence"},
      {"IF a PRINT 1", "1:6: IF without THEN"},
      {"EXIT FOR", "1:1: EXIT FOR outside FOR"},
      {"IF a THEN FOR i=1 TO 2", "1:11: FOR cannot stand in a one-line IF; use braces"},
      {"IF a = 1 THEN", "1:14: expected a statement, a target or '{'"},
      {"IF a = 1", "1:9: IF without THEN"},
      {"OPEN \"f\" FOR READ AS #1", "1:14: FOR needs INPUT, OUTPUT or APPEND"},
      {"ON x PRINT", "1:6: expected an operator, ',' or ':'"},
      {"ON MOUSE(6) GOSUB *a", "1:9: ON MOUSE needs (1) to (5)"},
      {"DEFINT 1-2", "1:8: DEFINT needs letters such as A-C,X"},
      {"PRINT 1 PRINT 2", "1:9: expected an operator, ',' or ':'"},
      {"CLS 1: BEEP 2 3", "1:15: expected an operator, ',' or ':'"},
      {"PRINT {", "1:7: unexpected '{'"},
      {"IF a THEN FILES", "1:11: FILES cannot stand in a one-line IF; use braces"},
  };
  for (const auto& [source, expected] : cases) EXPECT_EQ(error_of(source), expected) << source;
}

TEST(TokenizerErrors, ExpressionsThatCannotParse) {
  const std::pair<const char*, const char*> cases[] = {
      {"PRINT 1 +", "1:10: expected an operand after '+'"},
      {"PRINT 1 +, 2", "1:10: expected an operand after '+'"},
      {"x = 2 AND", "1:10: expected an operand after 'AND'"},
      {"PRINT ((((1", "1:10: '(' without ')'"},
      {"DIM a(", "1:6: a( without ')'"},
      {"PRINT ABS(", "1:10: ABS( without ')'"},
      {"PRINT 1))))", "1:8: ')' without '('"},
      {"IF a=1 PRINT 2", "1:8: IF without THEN"},
      {"DO", "1:1: unknown keyword 'DO'; use WHILE condition ... WEND"},
      {"SELECT CASE x", "1:1: unknown keyword 'SELECT'; use IF ... THEN { ... } ELSE { ... }"},
  };
  for (const auto& [source, expected] : cases) EXPECT_EQ(error_of(source), expected) << source;
}

// Probable mistakes: the program still tokenises, each is named once at its place.
TEST(TokenizerErrors, WarningsForSilentMistakes) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"ON ERROR GOTO *h\n*h",
       {"1:4: ERROR is not a Tessaly word and is read as a variable; there is no error trapping: test values before using them"}},
      {"t = TIMER", {"1:5: TIMER is not a Tessaly word and is read as a variable; use TIME$ for the time of day"}},
      {"PRINT TAB(10)", {"1:7: TAB is not a Tessaly word and is read as a variable; use SPACE$(n) or LOCATE x, y"}},
      {"PRINT UCASE$(\"a\")",
       {"1:7: UCASE$ is not a Tessaly word and is read as a variable; there is no case conversion: convert with ASC, CHR$ and MID$"}},
      {"PRINT 1.2.3", {"1:7: malformed number 1.2.3"}},
      {"DEF FN sq(x) = x * x\nPRINT FN sq(3, 4)", {"2:7: FN sq takes 1 argument, given 2"}},
      {"DEF FNh(a, b) = a + b\nPRINT FNh(1)", {"2:7: FN h takes 2 arguments, given 1"}},
      {"PRINT total: PRINT total", {"1:7: total is read but never set (it is always 0)"}},
      {"Total = 5: PRINT total", {"1:18: total is read but never set (it is always 0)"}},
      {"DEFINT k: k% = 1: PRINT k", {}},
      {"IF name$ = \"\" THEN BEEP", {"1:4: name$ is read but never set (it is always \"\")"}},
      {"b(1) = 2: PRINT b(1)", {"1:1: array b() is used without DIM"}},
      {"DIM c(3): c(1) = 2: PRINT c(1), n\nINPUT n", {}},
      {"FOR i = 1 TO 3: PRINT i: NEXT", {}},
  };
  for (const auto& [source, expected] : cases) {
    const auto program = tokenize_program(source);
    std::vector<std::string> got;
    for (const auto& w : program.warnings)
      got.push_back(std::to_string(w.line) + ":" + std::to_string(w.column) + ": " + w.message);
    EXPECT_EQ(got, expected) << source;
  }
}

// Every statement's first byte, and every line's, maps back to where it was written.
TEST(TokenizerErrors, SourceMapNamesEachStatement) {
  const auto program = tokenize_program("PRINT 1\n\n  x = 2 :  BEEP\n10 GOSUB *s\n*s\nRETURN");
  const std::string text(program.text.begin(), program.text.end());
  auto where = [&](std::size_t pos) {
    const SourceMapEntry* e = locate(program.map, static_cast<int32_t>(pos));
    return e ? std::to_string(e->line) + ":" + std::to_string(e->column) + "@" + std::to_string(e->byte) : "none";
  };
  EXPECT_EQ(where(text.find(code_bytes(Stmt::kPrint))), "1:1@0");
  EXPECT_EQ(where(text.find("x=2")), "3:3@2");
  EXPECT_EQ(where(text.find(code_bytes(Stmt::kBeep))), "3:12@11");
  EXPECT_EQ(where(text.find(':')), "3:3@2");  // the separator still belongs to the statement before it
  EXPECT_EQ(where(text.find(code_bytes(Stmt::kGosub))), "4:4@3");
  EXPECT_EQ(where(text.find("*s")), "5:1@0");
  EXPECT_EQ(where(text.find(code_bytes(Stmt::kReturn))), "6:1@0");
  ASSERT_EQ(program.map.lines.size(), 6u);
  EXPECT_EQ(program.map.lines[2], "  x = 2 :  BEEP");
}

TEST(TokenizerErrors, FileErrorsCarryTheFileName) {
  const std::string path = ::testing::TempDir() + "tokenizer_error.bas";
  std::ofstream(path) << "PRINT 1\nGOTO 99\n";
  auto result = tokenize_file(path, Encoding::kUtf8);
  ASSERT_TRUE(std::holds_alternative<FileError>(result));
  EXPECT_EQ(std::get<FileError>(result).text(), path + ":2:6: unresolved line number 99");
  std::remove(path.c_str());
}

}  // namespace
}  // namespace tess::tok::testing
