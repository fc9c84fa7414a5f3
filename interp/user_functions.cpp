// User functions: definitions (head and body, blanks stripped, body not
// expanded until a call) and calls with global parameters.
#include "interp/user_functions.h"

#include "interp/eval_nesting.h"
#include "interp/evaluate.h"
#include "interp/expansion.h"
#include "interp/interpreter.h"
#include "interp/value_limits.h"

namespace tess {
namespace {

std::string_view name_of(std::string_view head) { return head.substr(0, head.find('(')); }

// The parameter list: between the head's first '(' and its final ')'.
std::string_view parameter_list(std::string_view head) {
  const std::size_t open = head.find('(');
  if (open == std::string_view::npos) return {};
  std::size_t close = head.rfind(')');
  if (close == std::string_view::npos || close < open) close = head.size();
  return head.substr(open + 1, close - open - 1);
}

// The splitter's reading: an argument is the last when the position after it
// is the end of the text (so a trailing comma adds nothing).
std::vector<std::string> split_written_arguments(std::string_view text) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  std::size_t pos = 0;
  for (;;) {
    std::string part;
    const std::size_t next = split_argument(text, pos, part);
    parts.push_back(std::move(part));
    if (next >= text.size()) break;
    pos = next;
  }
  return parts;
}

}  // namespace

void UserFunctionTable::define(std::string head, std::string body) {
  if (head.size() > kMaxUserFunctionText || body.size() > kMaxUserFunctionText)
    limit_error("a user function head or body longer than 1,023 bytes");
  // An empty head is an empty slot: the table ends there for lookups, so such a
  // definition changes nothing.
  if (head.empty()) return;
  const std::string_view name = name_of(head);
  for (UserFunction& f : functions_) {
    if (f.name() == name) {
      f.head = std::move(head);
      f.body = std::move(body);
      return;
    }
  }
  if (functions_.size() >= kMaxUserFunctions) limit_error("more than 255 user functions");
  functions_.push_back(UserFunction{std::move(head), std::move(body)});
}

const UserFunction* UserFunctionTable::find(std::string_view name) const {
  for (const UserFunction& f : functions_)
    if (f.name() == name) return &f;
  return nullptr;
}

void define_user_function(Interpreter& in, std::string_view text) {
  const std::string s = strip_blanks(text);
  const std::size_t eq = s.find('=');
  if (eq == std::string::npos) value_error("a function definition without '='");
  in.user_functions().define(s.substr(0, eq), s.substr(eq + 1));
}

std::string call_user_function(Interpreter& in, std::string_view name, std::string_view args) {
  NestingGuard guard(in);
  const UserFunction* f = in.user_functions().find(name);
  if (!f) value_error("no user function named " + std::string(name));
  // Copies: the body's expansion runs other calls while this one is open.
  const std::string head = f->head;
  const std::string body = f->body;
  const std::vector<std::string> params = split_written_arguments(parameter_list(head));
  const std::vector<std::string> values = split_written_arguments(strip_blanks(args));
  if (values.size() < params.size()) value_error("too few arguments for " + std::string(name));
  for (std::size_t k = 0; k < params.size(); ++k) {
    if (variable_type(in, params[k]) == VarType::String) write_string(in, params[k], eval_string(in, values[k]));
    else write_number(in, params[k], eval_number(in, values[k]));
  }
  const std::string expanded = expand_calls(in, body);
  if (!name.empty() && name.back() == '$') return '"' + eval_string(in, expanded) + '"';
  return number_text(eval_number(in, expanded));
}

}  // namespace tess
