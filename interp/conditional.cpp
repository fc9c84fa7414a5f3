// The conditional: one-line then- and else-parts run in skip mode; brace blocks
// are found by searching the program text for the block end.
#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/flow_handlers.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"
#include "interp/statement_codes.h"

namespace tess {
namespace {

bool conditional_at(const ProgramText& text, int32_t pos) {
  const uint8_t before = text.at(pos - 1);
  return (before == ' ' || before == ':') && is_code(text.at(pos), text.at(pos + 1), Stmt::kIf);
}

bool at_text_end(const ProgramText& text, int32_t pos) { return pos >= text.length() || (pos >= 0 && text.at(pos) == 0); }

// The conditional being run: the first conditional code after a blank or ':' from the
// statement start on.
int32_t find_conditional(const ProgramText& text, int32_t start) {
  int32_t p = start == -2 ? 1 : start;
  while (!at_text_end(text, p) && !conditional_at(text, p)) ++p;
  return p;
}

// then: preceded by a blank, tab or ')', followed by a blank, tab or '{'.
bool then_at(const ProgramText& text, int32_t pos) {
  const uint8_t before = text.at(pos);
  const uint8_t after = text.at(pos + 5);
  return (is_blank_or_tab(before) || before == ')') && word_at(text, pos + 1, "then") && (is_blank_or_tab(after) || after == '{');
}

// else of a conditional: preceded by a blank, tab, ')', '"' or ':'.
bool spaced_else_at(const ProgramText& text, int32_t pos) {
  const uint8_t before = text.at(pos);
  return (is_blank_or_tab(before) || before == ')' || before == '"' || before == ':') && else_at(text, pos + 1);
}

// Continue with a one-line part (skip mode) or with the lines of a block.
void enter_part(ThreadSlot& s, const ProgramText& text, int32_t part) {
  if (text.at(part) == '{') {
    s.pc = line_end(text, part);
  } else {
    s.pc = part - 1;
    s.skip_mode = true;
  }
}

void run_true(ThreadSlot& s, const ProgramText& text, int32_t p) {
  bool quoted = false;
  for (int32_t i = p;; ++i) {
    const uint8_t c = text.at(i);
    if (c == '\n' || at_text_end(text, i)) raise_error(1, "conditional without then");
    if (c == 0x01 && text.at(i + 1) == 'f') {  // a function token is one unit
      i += 3;
      continue;
    }
    if (c == '"') quoted = !quoted;
    if (quoted || !then_at(text, i)) continue;
    const int32_t part = skip_blanks(text, i + 5);
    if (text.at(part) == '{') {
      s.pc = part + 1;
    } else {
      s.pc = part - 1;
      s.skip_mode = true;
    }
    return;
  }
}

// A then-block being skipped: continue after its '}', with the else glued to it
// when there is one.
void skip_then_block(ThreadSlot& s, const ProgramText& text, int32_t brace) {
  const auto close = find_block_end(text, brace + 1);
  if (!close) raise_error(20);
  if (else_at(text, *close)) enter_part(s, text, skip_blanks(text, *close + 4));
  else s.pc = line_end(text, *close);
}

void run_false(ThreadSlot& s, const ProgramText& text, int32_t p) {
  int nesting = 1;
  bool quoted = false;
  for (int32_t i = p; text.at(i) != '\n' && !at_text_end(text, i); ++i) {
    const uint8_t c = text.at(i);
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if ((c == ' ' || c == ':') && is_code(text.at(i + 1), text.at(i + 2), Stmt::kIf)) {
      ++nesting;
    } else if (then_at(text, i)) {
      const int32_t part = skip_blanks(text, i + 5);
      if (text.at(part) == '{') return skip_then_block(s, text, part);
    } else if (spaced_else_at(text, i) && --nesting == 0) {
      return enter_part(s, text, skip_blanks(text, i + 5));
    }
  }
}

}  // namespace

void take_conditional_branch(Interpreter& in, int t, bool holds) {
  const ProgramText& text = in.text();
  ThreadSlot& s = in.slot(t);
  const int32_t p = find_conditional(text, s.statement_start);
  if (holds) run_true(s, text, p);
  else run_false(s, text, p);
}

void stmt_conditional(Exec& ex, std::string_view args) {
  take_conditional_branch(ex.in, ex.slot, eval_condition(ex.in, args) != 0);
}

}  // namespace tess
