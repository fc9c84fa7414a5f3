// Argument parsing of the image and graphic-text statements.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "graphics/colour_rule.h"
#include "graphics/figure_args.h"

namespace tess {

class Interpreter;

struct LoadImageArgs {
  std::string variable;
  std::string file_name;  // plain text up to an escaped zero byte
};
LoadImageArgs parse_load_image(Interpreter& in, std::string_view args);

struct GetImageArgs {
  Point32 first, second;  // second already made absolute when "step" was given
  std::string variable;
  int32_t width() const { return second.x - first.x + 1; }
  int32_t height() const { return second.y - first.y + 1; }
};
GetImageArgs parse_get_image(Interpreter& in, std::string_view args);

struct PutImageArgs {
  Point32 at;
  int32_t image = 0;
  uint32_t raster_operation = 0;
};
PutImageArgs parse_put_image(Interpreter& in, std::string_view args);

// "pset", "or", "xor", "and" in any case; any other word is a runtime error.
uint32_t raster_operation(std::string_view word);

// The font and colours of the graphic-text statement; unset fields keep the
// console font's.
struct TextArgs {
  int32_t x = 0, y = 0;
  std::string text;  // plain, an escaped zero byte drawn as a blank
  Rgb colour = 0xFFFFFF;
  Rgb background = kTransparentRgb;
  std::optional<int32_t> height;
  int32_t width = 0;
  std::string face;  // empty: the console font's
  bool italic = false;
  int32_t weight = 0;
  uint8_t char_set = 1;  // DEFAULT_CHARSET
};
TextArgs parse_text(Interpreter& in, std::string_view args);

}  // namespace tess
