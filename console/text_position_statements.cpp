// The text-position and console text-area statements.
#include "console/console_device.h"
#include "console/console_handlers.h"
#include "console/line_wait.h"
#include "console/text_position.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "session/session.h"

namespace tess {
namespace {

struct Pair {
  int32_t first = 0, second = 0;
};

// Two numbers split at the first top-level comma; none is error 1.
Pair two_numbers(Interpreter& in, std::string_view args, const char* role) {
  std::string first;
  const std::size_t rest = split_argument(args, 0, first);
  if (first.size() >= args.size())  // no comma was cut off
    raise_error(1, std::string(role) + ": two numbers separated by a comma are needed");
  return {integer_view(eval_number(in, first)), integer_view(eval_number(in, args.substr(rest)))};
}

}  // namespace

void stmt_locate(Exec& ex, std::string_view args) {
  const Pair at = two_numbers(ex.in, args, "text position");
  const TextColours colours = ex.session().colours;
  console_device(ex.in, "text position").edit_current_layer([&](TextLayer& layer) {
    position_cursor(layer, at.first, at.second, colours.foreground, colours.background);
  });
}

void stmt_console_area(Exec& ex, std::string_view args) {
  const Pair size = two_numbers(ex.in, args, "console text area");
  console_device(ex.in, "console text area").set_text_area(size.first, size.second);
}

}  // namespace tess
