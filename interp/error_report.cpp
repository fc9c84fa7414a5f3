// The runtime error report: the failing statement's place (line number, byte
// position, and with a source map the source line) goes to the host, and the
// run stops.
#include <cctype>

#include "interp/interpreter.h"

namespace tess {

// The statement's own first byte when it was cut from the program text (its
// separator's next byte otherwise), looked up in the source map.
void Interpreter::locate_in_source(Diagnostic& d, std::string_view statement, int32_t start) const {
  const std::string_view all = text_.from(0);
  int32_t at = start + 1;
  if (statement.data() >= all.data() && statement.data() <= all.data() + all.size())
    at = static_cast<int32_t>(statement.data() - all.data());
  const SourceMapEntry* e = locate(*source_map_, at);
  if (!e) return;
  d.file = source_map_->file;
  d.line = e->line;
  d.column = e->column;
  if (e->line >= 1 && static_cast<std::size_t>(e->line) <= source_map_->lines.size())
    d.source_line = source_map_->lines[static_cast<std::size_t>(e->line - 1)];
  d.caret = e->byte;
}

// The error report runs while the failing statement still holds the lock, so no
// other thread runs a statement between the error and the end of the program.
void Interpreter::report(const ProgramError& error, std::string_view statement, int t) {
  Diagnostic d;
  d.number = error.number;
  d.detail = error.detail;
  d.statement = std::string(statement);
  int32_t start = slot(t).statement_start;
  d.position = start;
  int32_t line = start;
  while (line >= 0 && !text_.is_line_end(line - 1)) --line;
  if (line >= 0 && std::isdigit(text_.at(line))) {
    int32_t n = 0;
    for (int32_t p = line; std::isdigit(text_.at(p)) && n < 100000000; ++p) n = n * 10 + (text_.at(p) - '0');
    d.line_number = n;
  }
  if (source_map_) locate_in_source(d, statement, start);
  const bool first_report = !stop_requested();
  request_stop();
  if (first_report) {
    host_.report_error(d);
    host_.end_program();
  }
}

}  // namespace tess
