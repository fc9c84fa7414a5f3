// Every runtime error number has words, and the programmer's guide lists them all.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "interp/error_words.h"
#include "interp/function_codes.h"
#include "interp/host.h"
#include "interp/statement_codes.h"

namespace tess {
namespace {

TEST(ErrorWords, EachNumberHasItsOwnWordsAndTheGuideListsThem) {
  std::ifstream in(std::string(TESS_SOURCE_DIR) + "/docs/tessc.md");
  const std::string guide((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::set<std::string_view> seen;
  for (const auto& row : all_error_words()) {
    EXPECT_TRUE(seen.insert(row.words).second) << row.number;
    EXPECT_NE(row.words, "runtime error") << row.number;
    const std::string line = "| " + std::to_string(row.number) + " | " + std::string(row.words) + " |";
    EXPECT_NE(guide.find(line), std::string::npos) << line;
  }
}

TEST(ErrorWords, DiagnosticWithAndWithoutTheSource) {
  Diagnostic d;
  d.number = 6;
  d.position = 12;
  d.statement = code_bytes(Stmt::kReturn);
  EXPECT_EQ(d.format(), "runtime error 6: RETURN without GOSUB (position 12) in: RETURN");
  d.number = 1;
  d.detail = "x";
  d.statement = code_bytes(Stmt::kPrint) + " " + function_token(Fn::kAbs) + "(a)\x01m2\x01\x26\x01!b";
  EXPECT_EQ(d.format(), "runtime error 1: illegal statement or value: x (position 12) in: PRINT ABS(a) MOD 2 AND NOT b");
  d.file = "a.bas";
  d.line = 3;
  d.column = 5;
  d.source_line = "  a=PRINT";
  d.caret = 4;
  EXPECT_EQ(d.format(), "a.bas:3:5: runtime error 1: illegal statement or value: x\n  a=PRINT\n    ^");
}

}  // namespace
}  // namespace tess
