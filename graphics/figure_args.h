// Argument parsing of the drawing statements, apart from any drawing.
#pragma once
#include <cstdint>
#include <string_view>

namespace tess {

class Interpreter;

struct Point32 {
  int32_t x = 0, y = 0;
  bool operator==(const Point32&) const = default;
};

// A coordinate pair "(x,y)" at text[start]; next is the index after its ")".
struct PairRead {
  Point32 point;
  std::size_t next = 0;
};
PairRead read_pair(Interpreter& in, std::string_view text, std::size_t start, std::string_view statement);

struct PointArgs {
  Point32 at;
  int32_t colour = 7;
};
PointArgs parse_point(Interpreter& in, std::string_view args);

// A coordinate pair and nothing after it (erase point, move point).
Point32 parse_lone_pair(Interpreter& in, std::string_view args, std::string_view statement);

enum class LineMode { Line, Box, FilledBox };

struct LineArgs {
  Point32 start, end;
  int32_t colour = 7;
  LineMode mode = LineMode::Line;
  int32_t fill_colour = -1;
};
// Parses the blank-stripped text; an explicit start point becomes the last
// point as soon as it is read, even when a later argument is wrong.
LineArgs parse_line(Interpreter& in, std::string_view stripped, Point32& last_point);

struct CircleArgs {
  Point32 centre;
  double radius = 0;
  int32_t colour = 7;
  double start = 0, end = 0, aspect = 1;
  bool fill = false;
  int32_t fill_colour = 7;
};
CircleArgs parse_circle(Interpreter& in, std::string_view args);

struct PaintArgs {
  Point32 seed;
  int32_t paint_colour = 0;
  int32_t border_colour = -1;
};
PaintArgs parse_paint(Interpreter& in, std::string_view args);

}  // namespace tess
