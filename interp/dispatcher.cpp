// The statement dispatcher: one statement under the interpreter lock.
#include <cctype>
#include <cstdio>
#include <new>
#include <stdexcept>

#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/expansion.h"
#include "interp/interpreter.h"
#include "interp/statements.h"

namespace tess {
namespace {

constexpr uint16_t kConditional = 0x1021;
constexpr uint16_t kEnd = 0x1078;

bool is_blank(char c) { return c == ' ' || c == '\t'; }

bool word_at(std::string_view s, std::size_t i, std::string_view word) {
  if (s.size() - i < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(s[i + k])) != word[k]) return false;
  return true;
}

}  // namespace

// The conditional's text ends at the word then: a blank, tab or ')' followed by
// "then" and a blank, tab or ':'. Quotes are not considered here.
std::string_view cut_at_then(std::string_view s) {
  for (std::size_t i = 2; i + 5 < s.size(); ++i) {
    const char c = s[i];
    if (c == '\x01' && s[i + 1] == 'f') {  // a function token is one unit
      i += 3;
      continue;
    }
    if ((is_blank(c) || c == ')') && word_at(s, i + 1, "then") &&
        (is_blank(s[i + 5]) || s[i + 5] == ':'))
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

bool Interpreter::dispatch_at(std::unique_lock<std::mutex>& lock, std::string_view statement, int t, int32_t pos,
                              bool else_check, bool try_plan) {
  if (stop_requested()) return false;
  Exec ex{*this, t, lock};
  held_lock_ = &lock;
  std::string kept_storage;
  try {
    if (else_check) {
      std::optional<std::string_view> kept;
      if (caches_on_) {
        kept = cache_.else_check(*this, t, statement, pos, kept_storage);
      } else if (auto k = tess::else_check(*this, t, statement)) {
        kept_storage = std::move(*k);
        kept = kept_storage;
      }
      if (!kept) return true;  // skipped
      statement = *kept;
    }
    if (caches_on_ && try_plan)
      if (const auto done = cache_.run(ex, statement, pos)) return *done;
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
  if (first == 0x10 || first == 0x11) {
    const auto code = static_cast<uint16_t>(first << 8 | (statement.size() > 1 ? static_cast<uint8_t>(statement[1]) : 0));
    if (code == kConditional) statement = cut_at_then(statement);
    const StatementInfo* row = find_statement(code);
    if (!row) {
      char detail[64];
      std::snprintf(detail, sizeof detail, "statement code 0x%04X is not in the table", code);
      raise_error(1, detail);
    }
    const std::string_view raw = argument_text(statement);
    std::string expanded;
    std::string_view args = raw;
    if (!(row->flags & kNoExpand) && has_function_token(raw)) args = expanded = expand_calls(*this, raw);
    if (!row->handler) raise_error(1, std::string(row->role) + ": not built yet");
    row->handler(ex, args);
    return code == kEnd ? !ex.end_thread : true;
  }
  if (first == '*') return true;  // a label
  if (has_function_token(statement)) perform_assignment(*this, expand_calls(*this, statement));
  else perform_assignment(*this, statement);
  return true;
}

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
