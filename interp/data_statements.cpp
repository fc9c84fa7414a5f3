// The data pointer and the read and restore statements. Data items are
// expressions, evaluated when they are read.
#include <string>

#include "interp/data_pointer.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/expansion.h"
#include "interp/flow_handlers.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"

namespace tess {
namespace {

bool at_end(const ProgramText& text, int32_t pos) { return pos >= text.length(); }

// Cuts the item at the pointer and moves the pointer past it.
std::string take_item(const ProgramText& text, int32_t& pointer) {
  std::string item;
  bool quoted = false;
  int depth = 0;
  for (;;) {
    const uint8_t c = text.at(pointer);
    if (at_end(text, pointer) || c == '\n' || (c == ':' && !quoted)) {
      pointer = next_data_statement(text, pointer);
      return item;
    }
    if (c == 0x01 && text.at(pointer + 1) == 'f') {  // a function token is one unit
      for (int k = 0; k < 4; ++k) item += static_cast<char>(text.at(pointer++));
      continue;
    }
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '(') ++depth;
    if (!quoted && c == ')') --depth;
    if (c == ',' && !quoted && depth <= 0) {
      ++pointer;
      return item;
    }
    item += static_cast<char>(c);
    ++pointer;
  }
}

}  // namespace

void stmt_read(Exec& ex, std::string_view args) {
  const ProgramText& text = ex.in.text();
  int32_t& pointer = ex.in.data_pointer();
  std::string variable;
  for (std::size_t next = 0; next < args.size();) {
    next = split_argument(args, next, variable);
    if (at_end(text, pointer)) raise_error(11);
    const std::string item = expand_calls(ex.in, take_item(text, pointer));
    assign(ex.in, strip_blanks(variable) + "=" + item);
  }
}

// Without a target the search starts at the beginning of the text.
void stmt_restore(Exec& ex, std::string_view args) {
  const int32_t from = args.empty() ? 0 : read_target(ex.in.text(), args);
  ex.in.data_pointer() = next_data_statement(ex.in.text(), from);
}

}  // namespace tess
