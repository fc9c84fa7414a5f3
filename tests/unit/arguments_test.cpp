// The argument helpers: blank stripper, splitter, count check and text shift.
#include <vector>

#include "values_fixture.h"

namespace tess::testing {
namespace {

std::vector<std::string> split(std::string_view text) {
  std::vector<std::string> parts;
  std::string arg;
  for (std::size_t pos = 0;;) {
    const std::size_t next = split_argument(text, pos, arg);
    parts.push_back(arg);
    if (next >= text.size()) return parts;
    pos = next;
  }
}

TEST(Arguments, BlankStripperKeepsQuotedBlanks) {
  EXPECT_EQ(strip_blanks(" a = \"b c\" +\td "), "a=\"b c\"+d");
  EXPECT_EQ(strip_blanks("\"open  quote"), "\"open  quote");
}

TEST(Arguments, SplitterCutsAtTopLevelCommasOutsideQuotes) {
  using V = std::vector<std::string>;
  EXPECT_EQ(split("a,b(1,2),\"x,y\""), (V{"a", "b(1,2)", "\"x,y\""}));
  EXPECT_EQ(split(""), (V{""}));
  EXPECT_EQ(split("a,"), (V{"a"}));  // the position after the comma is the end
  EXPECT_EQ(split("\"(\",1"), (V{"\"(\",1"}));  // parentheses count inside quotes too
}

TEST(Arguments, CountCheck) {
  EXPECT_EQ(count_arguments(""), 1);
  EXPECT_EQ(count_arguments("a,b(1,2),\"x,y\""), 3);
  EXPECT_TRUE(check_argument_count("1,2", 2, false));
  EXPECT_FALSE(check_argument_count("1,2", 3, false));
  EXPECT_THROW(check_argument_count("1,2", 3, true), ProgramError);
  EXPECT_THROW(count_arguments("a),b"), ProgramError);
}

TEST(Arguments, TextShift) {
  std::string s = "abcdef";
  shift_text(s, 2, 2);
  EXPECT_EQ(s, "ab  cdef");
  shift_text(s, 4, -2);
  EXPECT_EQ(s, "abcdef");
  shift_text(s, 1, -5);  // never before the start
  EXPECT_EQ(s, "bcdef");
}

}  // namespace
}  // namespace tess::testing
