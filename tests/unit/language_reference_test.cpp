// The language reference has an entry for every statement code and every
// function code; the list comes from the code tables, so a new row needs an entry.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#include "tools/tokenizer/keywords.h"

namespace tess::tok {
namespace {

// The "### NAME" headings of one "## Section" of the reference.
std::set<std::string> entries(const std::string& reference, const std::string& section) {
  std::set<std::string> names;
  std::istringstream in(reference);
  std::string line;
  bool inside = false;
  while (std::getline(in, line)) {
    if (line.rfind("## ", 0) == 0) inside = line == "## " + section;
    else if (inside && line.rfind("### ", 0) == 0) names.insert(line.substr(4));
  }
  return names;
}

class LanguageReference : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(std::string(TESS_SOURCE_DIR) + "/docs/language.md");
    ASSERT_TRUE(in) << "docs/language.md is missing";
    reference_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string reference_;
};

TEST_F(LanguageReference, EveryStatementCodeHasAnEntry) {
  const auto documented = entries(reference_, "Statements");
  for (const auto& row : statement_names())
    EXPECT_TRUE(documented.count(std::string(row.name))) << "no entry for statement " << row.name;
}

TEST_F(LanguageReference, EveryFunctionCodeHasAnEntry) {
  const auto documented = entries(reference_, "Functions");
  for (const auto& row : function_names())
    EXPECT_TRUE(documented.count(std::string(row.name))) << "no entry for function " << row.name;
}

}  // namespace
}  // namespace tess::tok
