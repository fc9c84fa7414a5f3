#include "builtins/window_builtins.h"
#include "graphics/argument_text.h"
#include "graphics/colour_rule.h"

namespace tess {

std::string fn_rgb(Interpreter& in, std::string_view args) {
  const auto parts = split_all(args);
  if (parts.size() != 3) argument_error("RGB", "red, green and blue");
  return std::to_string(rgb_colour_number(eval_int(in, parts[0]), eval_int(in, parts[1]), eval_int(in, parts[2])));
}

}  // namespace tess
