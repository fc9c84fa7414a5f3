#include "windows/menu_args.h"

#include "graphics/argument_text.h"
#include "interp/evaluate.h"

namespace tess {
namespace {

template <std::size_t N>
Numbers<N> numbers(Interpreter& in, std::string_view args, std::string_view statement) {
  const std::string text = strip_blanks(args);
  const auto parts = cut_at_commas(text, N);
  if (parts.size() < N) argument_error(statement, "',' expected: " + std::to_string(N) + " numbers are required");
  Numbers<N> values{};
  for (std::size_t i = 0; i < N; ++i) values[i] = eval_int(in, parts[i]);
  return values;
}

struct BarWord {
  std::string_view word;
  int32_t bar;
};
constexpr BarWord kBars[] = {{"horz", 0}, {"vert", 1}, {"ctl", 2}};

}  // namespace

Numbers<2> parse_two_numbers(Interpreter& in, std::string_view args, std::string_view statement) {
  return numbers<2>(in, args, statement);
}
Numbers<3> parse_three_numbers(Interpreter& in, std::string_view args, std::string_view statement) {
  return numbers<3>(in, args, statement);
}
Numbers<4> parse_four_numbers(Interpreter& in, std::string_view args, std::string_view statement) {
  return numbers<4>(in, args, statement);
}

InsertMenuArgs parse_insert_menu(Interpreter& in, std::string_view args) {
  constexpr std::string_view kName = "insert menu item";
  InsertMenuArgs m;
  std::string part;
  std::size_t pos = split_argument(args, 0, part);
  if (pos >= args.size()) argument_error(kName, "menu, item and by-position are required");
  m.menu = eval_int(in, part);
  pos = split_argument(args, pos, part);
  if (pos >= args.size()) argument_error(kName, "menu, item and by-position are required");
  m.item = eval_int(in, part);
  pos = split_argument(args, pos, part);
  m.by_position = eval_int(in, part) != 0;
  if (pos >= args.size()) return m;
  pos = split_argument(args, pos, part);
  m.text = eval_plain_text(in, part);
  if (pos >= args.size()) return m;
  pos = split_argument(args, pos, part);
  m.id = eval_int(in, part);
  if (pos >= args.size()) return m;
  pos = split_argument(args, pos, part);
  m.submenu = eval_int(in, part);
  if (pos >= args.size()) return m;
  m.state = eval_int(in, args.substr(pos));
  return m;
}

ScrollBarArgs parse_scroll_bar(Interpreter& in, std::string_view args) {
  constexpr std::string_view kName = "scroll bar";
  const std::string text = strip_blanks(args);
  const auto parts = cut_at_commas(text, 7);
  if (parts.size() < 5) argument_error(kName, "window, bar, minimum, maximum and page are required");
  ScrollBarArgs s;
  s.window = eval_int(in, parts[0]);
  const BarWord* bar = nullptr;
  for (const BarWord& row : kBars)
    if (is_word(parts[1], row.word)) bar = &row;
  if (!bar) argument_error(kName, "the bar is horz, vert or ctl");
  s.bar = bar->bar;
  s.minimum = eval_int(in, parts[2]);
  s.maximum = eval_int(in, parts[3]);
  s.page = eval_int(in, parts[4]);
  if (parts.size() > 5) s.position = eval_int(in, parts[5]);
  if (parts.size() > 6) s.disable_when_unneeded = !parts[6].empty() && parts[6][0] == '1';
  return s;
}

}  // namespace tess
