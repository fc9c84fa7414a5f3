// Argument parsing of the menu and scroll-bar statements.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

// Exactly `count` numbers cut at commas outside parentheses after the blank
// stripper; the last takes the remaining text. Too few is a runtime error.
template <std::size_t N>
using Numbers = std::array<int32_t, N>;
Numbers<2> parse_two_numbers(Interpreter& in, std::string_view args, std::string_view statement);
Numbers<3> parse_three_numbers(Interpreter& in, std::string_view args, std::string_view statement);
Numbers<4> parse_four_numbers(Interpreter& in, std::string_view args, std::string_view statement);

struct InsertMenuArgs {
  int32_t menu = 0, item = 0;
  bool by_position = false;
  std::optional<std::string> text;  // none: a separator
  std::optional<int32_t> id, submenu, state;
};
InsertMenuArgs parse_insert_menu(Interpreter& in, std::string_view args);

struct ScrollBarArgs {
  int32_t window = 0;
  int32_t bar = 0;  // SB_HORZ, SB_VERT or SB_CTL
  int32_t minimum = 0, maximum = 0, page = 0, position = 0;
  bool disable_when_unneeded = false;
};
// A bar word other than horz, vert or ctl is a runtime error.
ScrollBarArgs parse_scroll_bar(Interpreter& in, std::string_view args);


}  // namespace tess
