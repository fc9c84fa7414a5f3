// The data pointer: data statements are found only where a statement may begin.
#include "interp/data_pointer.h"

#include "interp/flow_scan.h"
#include "interp/interpreter.h"
#include "interp/statement_codes.h"

namespace tess {

// A statement may begin at the text start, after a line end (past the line
// number) or after a ':'; blanks and further ':' may stand before it.
int32_t next_data_statement(const ProgramText& text, int32_t pos) {
  if (pos < 0) pos = 0;
  bool at_statement = pos == 0 || text.at(pos - 1) == '\n';
  while (!at_end(text, pos)) {
    if (at_statement) {
      if (text.at(pos - 1) != ':')
        while (is_digit(text.at(pos))) ++pos;
      while (is_blank_or_tab(text.at(pos)) || text.at(pos) == ':') ++pos;
      if (is_code(text.at(pos), text.at(pos + 1), Stmt::kData)) return pos + 3;
    }
    while (!at_end(text, pos) && text.at(pos) != ':' && text.at(pos) != '\n') ++pos;
    if (at_end(text, pos)) break;
    ++pos;
    at_statement = true;
  }
  return text.length();
}

void reset_data_pointer(Interpreter& in) { in.data_pointer() = next_data_statement(in.text(), 0); }

}  // namespace tess
