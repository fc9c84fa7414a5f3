// The string evaluator: literals and string variables joined by '+'. There is
// no grouping; parentheses only protect the '+' of array indexes.
#include "interp/evaluate.h"
#include "interp/text_scan.h"
#include "interp/value_limits.h"
#include "interp/value_text.h"

namespace tess {
namespace {

void append_term(Interpreter& in, std::string_view term, std::string& out) {
  if (term.empty()) return;
  if (term[0] == '"') {
    if (term.find('"', 1) == std::string_view::npos) value_error("a string literal without its closing quote");
    out += unquote(term);
    return;
  }
  if (!is_name_start(term[0])) value_error("a string term must be a literal or a name");
  out += read_string(in, term);
}

}  // namespace

std::string eval_string(Interpreter& in, std::string_view expr) {
  std::string out;
  bool quoted = false;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < expr.size(); i += unit_length(expr, i)) {
    const char c = expr[i];
    if (c == '"') quoted = !quoted;
    else if (quoted) continue;
    else if (c == '(') ++depth;
    else if (c == ')') --depth;
    else if (c == '+' && depth == 0) {
      append_term(in, expr.substr(start, i - start), out);
      start = i + 1;
    }
  }
  append_term(in, expr.substr(start), out);
  return out;
}

}  // namespace tess
