// A first print statement: string literals separated by ';', a trailing ';'
// keeping the line open. The full print statement replaces it.
#include "console/console_handlers.h"
#include "interp/error.h"
#include "interp/interpreter.h"

namespace tess {

void stmt_print(Exec& ex, std::string_view args) {
  std::string out;
  bool open_line = false;
  std::size_t i = 0;
  while (i < args.size()) {
    const char c = args[i];
    if (c == ' ' || c == '\t') { ++i; continue; }
    if (c == ';') { open_line = true; ++i; continue; }
    if (c != '"') raise_error(1, "print: only string literals are supported");
    const std::size_t close = args.find('"', i + 1);
    if (close == std::string_view::npos) raise_error(1, "print: unterminated literal");
    out.append(args.substr(i + 1, close - i - 1));
    open_line = false;
    i = close + 1;
  }
  if (!open_line) out += "\r\n";
  ex.in.host().write_text(out);
}

}  // namespace tess
