// The assignment statements (plain and explicit), the erase statement and the
// user function definition statement.
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/text_scan.h"
#include "interp/user_functions.h"
#include "interp/value_handlers.h"
#include "interp/value_limits.h"
#include "interp/variables.h"

namespace tess {

namespace {

// "s$=s$+..." for a plain name: the terms after the first are appended to the
// stored value instead of copying it twice. The same reads happen in the same
// order (the variable, then the other terms), and the result is the same text.
bool append_in_place(Interpreter& in, std::string_view target, std::string_view expr) {
  if (target.empty() || !is_name_start(target[0]) || target.size() > kMaxName) return false;
  if (target.find_first_of("()\"+") != std::string_view::npos) return false;
  if (!appends_to(target, expr)) return false;
  read_string(in, target);
  append_string(in, target, eval_string(in, expr.substr(target.size() + 1)));
  return true;
}

}  // namespace

std::optional<AssignmentParts> split_assignment(std::string_view text) {
  std::string s = strip_blanks(text);
  const std::size_t eq = s.find('=');
  if (eq == std::string::npos) return std::nullopt;
  return AssignmentParts{std::move(s), eq};
}

void assign(Interpreter& in, std::string_view text) {
  const auto parts = split_assignment(text);
  if (!parts) value_error("an assignment without '='");
  const std::string_view target = parts->target();
  const std::string_view expr = parts->value();
  if (variable_type(in, target) != VarType::String) write_number(in, target, eval_number(in, expr));
  else if (!append_in_place(in, target, expr)) write_string(in, target, eval_string(in, expr));
}

void stmt_let(Exec& ex, std::string_view args) { assign(ex.in, args); }

void stmt_erase(Exec& ex, std::string_view args) {
  const std::string names = strip_blanks(args);
  std::string name;
  for (std::size_t pos = 0;;) {
    const std::size_t next = split_argument(names, pos, name);
    erase_variable(ex.in, name);
    if (next >= names.size()) break;
    pos = next;
  }
}

void stmt_def(Exec& ex, std::string_view args) { define_user_function(ex.in, args); }

}  // namespace tess
