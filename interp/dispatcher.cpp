// The statement dispatcher: one statement from its text under the interpreter
// lock, routed by its code to its handler, or an assignment, label or block close.
#include <cstdio>
#include <new>
#include <stdexcept>

#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/expansion.h"
#include "interp/interpreter.h"
#include "interp/statement_codes.h"
#include "interp/statements.h"
#include "interp/text_scan.h"

namespace tess {

// The conditional's text ends at the word then: a blank, tab or ')' followed by
// "then" and a blank, tab or ':'. Quotes are not considered here.
std::string_view cut_at_then(std::string_view s) {
  for (std::size_t i = 2; i + 5 < s.size(); ++i) {
    const char c = s[i];
    if (c == '\x01' && s[i + 1] == 'f') {  // a function token is one unit
      i += 3;
      continue;
    }
    if ((is_blank_or_tab(c) || c == ')') && word_at(s, i + 1, "then") &&
        (is_blank_or_tab(s[i + 5]) || s[i + 5] == ':'))
      return s.substr(0, c == ')' ? i + 1 : i);
  }
  return s;
}

// Without a function token, call expansion gives the text back unchanged.
bool has_function_token(std::string_view s) {
  for (std::size_t i = s.find('\x01'); i != std::string_view::npos; i = s.find('\x01', i + 1))
    if (i + 1 < s.size() && s[i + 1] == 'f') return true;
  return false;
}

std::string_view argument_text(std::string_view s) {
  return (s.size() >= 4 && s[2] == ' ') ? s.substr(3) : std::string_view{};
}

bool Interpreter::dispatch(std::string_view statement, int t) {
  std::unique_lock lock(lock_);
  return dispatch(lock, statement, t);
}

bool Interpreter::dispatch(std::unique_lock<std::mutex>& lock, std::string_view statement, int t) {
  if (stop_requested()) return false;
  Exec ex{*this, t, lock};
  held_lock_ = &lock;
  try {
    return run_statement(ex, statement);
  } catch (const ProgramError& error) {
    report(error, statement, t);
  } catch (const std::bad_alloc&) {
    report(out_of_memory(), statement, t);
  } catch (const std::length_error&) {
    report(out_of_memory(), statement, t);
  }
  return false;
}

bool Interpreter::run_statement(Exec& ex, std::string_view statement) {
  const auto first = static_cast<uint8_t>(statement[0]);
  if (first == '}') {
    block_close(*this, ex.slot, statement);
    return true;
  }
  if (is_code_first_byte(first)) {
    const Stmt code = code_of_bytes(first, statement.size() > 1 ? static_cast<uint8_t>(statement[1]) : uint8_t{0});
    if (code == Stmt::kIf) statement = cut_at_then(statement);
    const StatementInfo* row = find_statement(code_of(code));
    if (!row) {
      char detail[64];
      std::snprintf(detail, sizeof detail, "statement code 0x%04X is not in the table", code_of(code));
      raise_error(1, detail);
    }
    const std::string_view raw = argument_text(statement);
    std::string expanded;
    std::string_view args = raw;
    if (!(row->flags & kNoExpand) && has_function_token(raw)) args = expanded = expand_calls(*this, raw);
    const Handler handler = handlers_.handler(*row);
    if (!handler) raise_error(1, std::string(row->role) + ": not built yet");
    handler(ex, args);
    return code == Stmt::kEnd ? !ex.end_thread : true;
  }
  if (first == '*') return true;  // a label
  if (has_function_token(statement)) perform_assignment(*this, expand_calls(*this, statement));
  else perform_assignment(*this, statement);
  return true;
}

}  // namespace tess
