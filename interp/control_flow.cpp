#include "interp/control_flow.h"

#include "interp/error.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"
#include "interp/statement_codes.h"

namespace tess {
namespace {

constexpr char kTooManyCalls[] = "\x82\xb1\x82\xea\x88\xc8\x8f\xe3\x82\xcc\x83\x54\x83\x75\x83\x8b\x81\x5b\x83\x60"
                                 "\x83\x93\x82\xf0\x8e\xc0\x8d\x73\x82\xb7\x82\xe9\x82\xb1\x82\xc6\x82\xcd\x82\xc5"
                                 "\x82\xab\x82\xdc\x82\xb9\x82\xf1";  // "これ以上のサブルーチンを実行することはできません"

bool starts_conditional(std::string_view s) { return starts_with_code(s, Stmt::kIf); }

// Where an else of a one-line part may stand: at the start or after a blank,
// tab, ')' or '"', followed by a blank, tab or '{', outside quotes.
std::optional<std::size_t> find_else(std::string_view s) {
  bool quoted = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    const bool at_boundary = i == 0 || is_blank_or_tab(static_cast<uint8_t>(s[i - 1])) || s[i - 1] == ')' || s[i - 1] == '"';
    if (!at_boundary || !word_at(s, i, "else")) continue;
    if (i + 4 < s.size() && (is_blank_or_tab(static_cast<uint8_t>(s[i + 4])) || s[i + 4] == '{')) return i;
  }
  return std::nullopt;
}

std::optional<std::string> before_else(std::string_view s, std::size_t else_pos) {
  std::size_t end = else_pos;
  while (end > 0 && is_blank_or_tab(static_cast<uint8_t>(s[end - 1]))) --end;
  if (end == 0) return std::nullopt;
  return std::string(s.substr(0, end));
}

}  // namespace

std::optional<std::string> else_check(Interpreter& in, int t, std::string_view statement) {
  if (starts_conditional(statement)) return std::string(statement);
  const auto else_pos = find_else(statement);
  if (!else_pos) return std::string(statement);
  const ProgramText& text = in.text();
  ThreadSlot& s = in.slot(t);
  std::size_t part = *else_pos + 4;
  while (part < statement.size() && is_blank_or_tab(static_cast<uint8_t>(statement[part]))) ++part;
  if (part < statement.size() && statement[part] == '{') {
    const auto end = find_block_end(text, s.pc);
    if (!end) raise_error(20);
    s.pc = line_end(text, *end);
  } else {
    s.pc = line_end(text, s.pc);
  }
  return before_else(statement, *else_pos);
}

void block_close(Interpreter& in, int t, std::string_view statement) {
  const ProgramText& text = in.text();
  ThreadSlot& s = in.slot(t);
  const int32_t brace = s.pc - static_cast<int32_t>(statement.size());
  const int32_t after = skip_blanks(text, brace + 1);
  if (!else_at(text, after)) return;
  int32_t end = line_end(text, after);
  while (text.at(end - 1) == '{') {
    const auto close = find_block_end(text, end);
    if (!close) raise_error(20);
    end = line_end(text, *close);
    if (!(else_at(text, *close) && text.at(end - 1) == '{')) break;
  }
  s.pc = end;
}

void jump_to(Interpreter& in, int t, int32_t target) {
  ThreadSlot& s = in.slot(t);
  s.pc = target;
  s.skip_mode = false;
  s.statement_start = separator_before(in.text(), target);
}

void call_to(Interpreter& in, int t, int32_t target) {
  ThreadSlot& s = in.slot(t);
  if (s.call_depth < 0 || s.call_depth >= kReturnStackSize - 1) raise_error(99, kTooManyCalls);
  s.push_return({s.pc, s.skip_mode});
  jump_to(in, t, target);
}

void clear_return_stacks(Interpreter& in) {
  for (int t = 0; t < kThreadSlots; ++t)
    for (auto& entry : in.slot(t).returns) entry = {};
}

}  // namespace tess
