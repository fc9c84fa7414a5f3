// The function-key and mouse trap statements.
#include <string>

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/event_traps.h"
#include "interp/flow_handlers.h"
#include "interp/interpreter.h"

namespace tess {
namespace {

// The position of the ')' matching the '(' at 0, quotes respected.
std::size_t matching_parenthesis(std::string_view s) {
  int depth = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '"') quoted = !quoted;
    if (quoted) continue;
    if (s[i] == '(') ++depth;
    if (s[i] == ')' && --depth == 0) return i;
  }
  raise_error(1, "mouse trap without ')'");
}

void queue(Interpreter& in, std::optional<std::string> text) {
  if (text) in.set_pending(std::move(*text));
}

}  // namespace

void stmt_key_trap(Exec& ex, std::string_view args) {
  queue(ex.in, ex.in.traps().key_trap(parse_trap_word(strip_blanks(args))));
}

void stmt_mouse_trap(Exec& ex, std::string_view args) {
  const std::string text = strip_blanks(args);
  if (text.empty() || text[0] != '(') raise_error(1, "mouse trap without '('");
  const std::size_t close = matching_parenthesis(text);
  const int32_t trap = integer_view(eval_number(ex.in, std::string_view(text).substr(1, close - 1)));
  if (trap < 1 || trap > kMouseTraps) raise_error(5);
  queue(ex.in, ex.in.traps().mouse_trap(trap, parse_trap_word(std::string_view(text).substr(close + 1))));
}

}  // namespace tess
