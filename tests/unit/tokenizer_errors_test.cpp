// Source faults are reported with their line and column, and nothing is produced.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

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
      {"IF a PRINT 1", "1:6: expected an operator, ',' or ':'"},
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
