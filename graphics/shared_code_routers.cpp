// Routers of the statement codes that graphics shares with line input and with
// the record statements.
#include "graphics/shared_code_routers.h"

#include "console/input_parse.h"
#include "graphics/graphics_handlers.h"
#include "interp/evaluate.h"

namespace tess {

void stmt_line(Exec& ex, std::string_view args) {
  std::string_view after_word;
  if (is_line_input(args, after_word)) {
    line_input_statement(ex, strip_blanks(after_word));
    return;
  }
  draw_line(ex, strip_blanks(args));
}

void stmt_get(Exec& ex, std::string_view args) {
  if (!args.empty() && args.front() == '@') return get_image(ex, args.substr(1));
  if (!args.empty() && args.front() == '#') return record_read_statement(ex, args);
  get_image(ex, args);
}

void stmt_put(Exec& ex, std::string_view args) {
  if (!args.empty() && args.front() == '@') return put_image(ex, args.substr(1));
  if (!args.empty() && args.front() == '#') return record_write_statement(ex, args);
  put_image(ex, args);
}

}  // namespace tess
