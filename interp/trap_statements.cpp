// The function-key and mouse trap statements.
#include <string>

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/event_traps.h"
#include "interp/flow_handlers.h"
#include "interp/interpreter.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

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
  if (close == std::string_view::npos) raise_error(1, "mouse trap without ')'");
  const int32_t trap = integer_view(eval_number(ex.in, std::string_view(text).substr(1, close - 1)));
  if (trap < 1 || trap > kMouseTraps) raise_error(5);
  queue(ex.in, ex.in.traps().mouse_trap(trap, parse_trap_word(std::string_view(text).substr(close + 1))));
}

}  // namespace tess
