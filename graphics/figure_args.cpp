#include "graphics/figure_args.h"

#include <cmath>
#include <string>

#include "graphics/argument_text.h"
#include "interp/evaluate.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

// The closing parenthesis matching text[start]; quotes are not considered.
std::size_t matching_close(std::string_view text, std::size_t start) {
  int depth = 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    if (text[i] == '(') ++depth;
    else if (text[i] == ')' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

// The text after a ")" that must be a "," directly followed by arguments.
std::string_view after_comma(std::string_view text, std::size_t next, std::string_view statement) {
  if (next >= text.size() || text[next] != ',') argument_error(statement, "',' expected after the coordinates");
  return text.substr(next + 1);
}

int32_t colour_or(Interpreter& in, std::string_view arg, int32_t fallback) {
  return arg.empty() ? fallback : eval_int(in, arg);
}

}  // namespace

PairRead read_pair(Interpreter& in, std::string_view text, std::size_t start, std::string_view statement) {
  if (start >= text.size() || text[start] != '(') argument_error(statement, "'(' expected");
  const std::size_t close = matching_close(text, start);
  if (close == std::string_view::npos) argument_error(statement, "')' missing");
  const std::string_view inner = text.substr(start + 1, close - start - 1);
  const auto parts = split_all(inner);
  if (parts.size() != 2) argument_error(statement, "a coordinate pair holds two numbers");
  return {{eval_int(in, parts[0]), eval_int(in, parts[1])}, close + 1};
}

PointArgs parse_point(Interpreter& in, std::string_view args) {
  const PairRead pair = read_pair(in, args, 0, "point");
  PointArgs result{pair.point};
  if (pair.next == args.size()) return result;
  const auto rest = split_all(after_comma(args, pair.next, "point"));
  if (rest.size() != 1) argument_error("point", "one colour after the coordinates");
  result.colour = eval_int(in, rest[0]);
  return result;
}

Point32 parse_lone_pair(Interpreter& in, std::string_view args, std::string_view statement) {
  const PairRead pair = read_pair(in, args, 0, statement);
  if (pair.next != args.size()) argument_error(statement, "nothing may follow the coordinates");
  return pair.point;
}

LineArgs parse_line(Interpreter& in, std::string_view text, Point32& last_point) {
  constexpr std::string_view kName = "line";
  LineArgs line;
  std::size_t pos = 0;
  if (!text.empty() && text[0] == '(') {
    const PairRead start = read_pair(in, text, 0, kName);
    last_point = start.point;
    pos = start.next;
    if (pos >= text.size() || text[pos] != '-') argument_error(kName, "'-' expected after the start point");
  } else if (text.empty() || text[0] != '-') {
    argument_error(kName, "'(' or '-' expected");
  }
  line.start = last_point;
  ++pos;  // the '-'
  const bool relative = word_at(text, pos, "step");
  if (relative) pos += 4;
  const PairRead end = read_pair(in, text, pos, kName);
  line.end = relative ? Point32{line.start.x + end.point.x, line.start.y + end.point.y} : end.point;
  if (end.next == text.size()) return line;

  const auto rest = split_all(after_comma(text, end.next, kName));
  if (rest.size() > 3) argument_error(kName, "at most colour, mode and fill colour");
  line.colour = colour_or(in, rest[0], 7);
  if (rest.size() > 1) {
    const std::string& mode = rest[1];
    if (mode.empty()) line.mode = LineMode::Line;
    else if (is_word(mode, "b")) line.mode = LineMode::Box;
    else if (is_word(mode, "bf")) line.mode = LineMode::FilledBox;
    else argument_error(kName, "the mode is b or bf");
  }
  line.fill_colour = rest.size() > 2 ? eval_int(in, rest[2]) : line.colour;
  return line;
}

CircleArgs parse_circle(Interpreter& in, std::string_view args) {
  constexpr std::string_view kName = "circle";
  CircleArgs circle;
  const PairRead centre = read_pair(in, args, 0, kName);
  circle.centre = centre.point;
  const auto rest = split_all(after_comma(args, centre.next, kName));
  circle.radius = eval_number(in, rest[0]);
  auto optional_number = [&](std::size_t i, double fallback) {
    return i < rest.size() && !rest[i].empty() ? eval_number(in, rest[i]) : fallback;
  };
  if (rest.size() > 1 && !rest[1].empty()) circle.colour = integer_view(std::floor(eval_number(in, rest[1])));
  circle.start = optional_number(2, 0);
  circle.end = optional_number(3, 0);
  circle.aspect = optional_number(4, 1);
  if (rest.size() > 5) {
    if (!is_word(strip_blanks(rest[5]), "f")) argument_error(kName, "the fill keyword is F");
    circle.fill = true;
    circle.fill_colour = circle.colour;
  }
  if (rest.size() > 6) circle.fill_colour = eval_int(in, rest[6]);
  if (rest.size() > 7) argument_error(kName, "the fill colour is the last argument");
  return circle;
}

PaintArgs parse_paint(Interpreter& in, std::string_view args) {
  constexpr std::string_view kName = "paint";
  PaintArgs paint;
  const PairRead seed = read_pair(in, args, 0, kName);
  paint.seed = seed.point;
  const auto rest = split_all(after_comma(args, seed.next, kName));
  if (rest.size() > 2) argument_error(kName, "the border colour is the last argument");
  paint.paint_colour = eval_int(in, rest[0]);
  if (rest.size() == 2) paint.border_colour = eval_int(in, rest[1]);
  return paint;
}

}  // namespace tess
