// The statements that change graphics state without drawing: colour and move point.
#include "graphics/argument_text.h"
#include "graphics/colour_rule.h"
#include "graphics/figure_args.h"
#include "graphics/graphics_handlers.h"
#include "interp/interpreter.h"
#include "session/session.h"

namespace tess {

void stmt_color(Exec& ex, std::string_view args) {
  const auto parts = split_all(args);
  if (parts.size() > 2) argument_error("colour", "foreground and background at most");
  TextColours& colours = ex.session().colours;
  colours.foreground = colour_rgb(eval_int(ex.in, parts[0]));
  if (parts.size() == 2) {
    const int32_t background = eval_int(ex.in, parts[1]);
    colours.background = background == -1 ? kTransparentRgb : colour_rgb(background);
  }
}

void stmt_move_point(Exec& ex, std::string_view args) {
  ex.session().graphics.last_point = parse_lone_pair(ex.in, args, "move point");
}

}  // namespace tess
