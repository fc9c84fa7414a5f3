// The assignment statements (plain and explicit), the erase statement and the
// user function definition statement.
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/user_functions.h"
#include "interp/value_handlers.h"
#include "interp/value_limits.h"

namespace tess {

void assign(Interpreter& in, std::string_view text) {
  const std::string s = strip_blanks(text);
  const std::size_t eq = s.find('=');
  if (eq == std::string::npos) value_error("an assignment without '='");
  const std::string_view target = std::string_view(s).substr(0, eq);
  const std::string_view expr = std::string_view(s).substr(eq + 1);
  if (variable_type(in, target) == VarType::String) write_string(in, target, eval_string(in, expr));
  else write_number(in, target, eval_number(in, expr));
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
