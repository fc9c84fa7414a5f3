// The open, close and write statements.
#include "files/file_handlers.h"
#include "files/open_syntax.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/file_number.h"
#include "interp/interpreter.h"
#include "interp/operators.h"
#include "interp/value_text.h"
#include "interp/variables.h"
#include "session/session.h"

namespace tess {
namespace {

// A string value as the bytes of a name: zero bytes kept, the name ending at
// the first one as the system reads it.
std::string name_bytes(Interpreter& in, std::string_view expression) {
  std::string bytes = decode(eval_string(in, expression), true);
  bytes.resize(std::min(bytes.size(), bytes.find('\0')));
  return bytes;
}

// Items joined with ",": strings without quotes, numbers in display form
// without a leading blank.
std::string write_items(Interpreter& in, std::string_view items) {
  std::string out;
  bool quoted = false;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= items.size(); ++i) {
    const bool end = i == items.size();
    if (!end) {
      const char c = items[i];
      if (c == '"') quoted = !quoted;
      if (!quoted && c == '(') ++depth;
      if (!quoted && c == ')') --depth;
      if (quoted || depth != 0 || (c != ',' && c != ';')) continue;
    }
    const std::string_view item = items.substr(start, i - start);
    if (!item.empty())
      out += is_string_item(in, item) ? eval_string(in, item) : display_form(number_text(eval_number(in, item) + 0.0));
    if (!end) out += ',';
    start = i + 1;
  }
  return out;
}

}  // namespace

void stmt_open(Exec& ex, std::string_view args) {
  const OpenSyntax syntax = parse_open(args);
  const std::string name = name_bytes(ex.in, syntax.name_expression);
  ex.session().files.open(syntax.number, name, syntax.mode);
}

// Only the first character after an optional "#" of each item names the slot.
void stmt_close(Exec& ex, std::string_view args) {
  const std::string text = strip_blanks(args);
  FileTable& files = ex.session().files;
  if (text.empty()) return files.close_all();
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t comma = std::min(text.find(',', start), text.size());
    files.close(file_number_prefix(std::string_view(text).substr(start, comma - start), "close"));
    start = comma + 1;
  }
}

void stmt_write(Exec& ex, std::string_view args) {
  const std::string text = strip_blanks(args);
  if (text.empty() || text[0] != '#') {
    std::string line = write_items(ex.in, text);
    line += '\n';
    ex.in.host().write_text(line);
    return;
  }
  const int number = file_number_prefix(text, "write");
  if (text.find(',') == std::string::npos) raise_error(1, "write: no ',' after the file number");
  FileTable& files = ex.session().files;
  const bool serial = files.open_slot(number, "write").serial;
  std::string bytes = decode(write_items(ex.in, std::string_view(text).substr(std::min<std::size_t>(3, text.size()))), true);
  bytes += serial ? "\r" : "\r\n";
  files.write(number, bytes, "write");
}

}  // namespace tess
