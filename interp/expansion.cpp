// Call expansion: each function token (0x01 'f' hi lo) outside double quotes,
// with its argument list, is replaced by the function's value text. Arguments
// are expanded first; inserted text is never scanned again.
#include "interp/expansion.h"

#include "interp/eval_nesting.h"
#include "interp/evaluate.h"
#include "interp/function_codes.h"
#include "interp/functions.h"
#include "interp/text_scan.h"
#include "interp/user_functions.h"
#include "interp/value_limits.h"

namespace tess {
namespace {

// The ')' matching the '(' at open; quotes do not count, so a ')' inside a
// quoted argument ends the list.
std::size_t call_end(std::string_view s, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < s.size(); i += unit_length(s, i)) {
    if (s[i] == '(') ++depth;
    else if (s[i] == ')' && --depth == 0) return i;
  }
  value_error("missing ')' after a function's arguments");
}

// Expands one call whose token starts at s[at]; appends the value text to out
// and returns the position after the call's span.
std::size_t expand_one(Interpreter& in, std::string_view s, std::size_t at, std::string& out) {
  const std::size_t after = at + kFunctionTokenSize;
  if (after > s.size()) return s.size();  // a cut-off token has no value
  const auto code = static_cast<uint16_t>(static_cast<uint8_t>(s[at + 2]) << 8 | static_cast<uint8_t>(s[at + 3]));
  if (code == code_of(Fn::kUserFunction)) {
    std::size_t name_end = after;
    while (name_end < s.size() && s[name_end] != '(' && s[name_end] != '=') ++name_end;
    const std::string_view name = s.substr(after, name_end - after);
    if (name_end < s.size() && s[name_end] == '(') {
      const std::size_t close = call_end(s, name_end);
      const std::string args = expand_calls(in, s.substr(name_end + 1, close - name_end - 1));
      out += call_user_function(in, name, args);
      return close + 1;
    }
    out += call_user_function(in, name, {});
    return name_end;
  }
  std::string args;
  std::size_t end = after;
  if (after < s.size() && s[after] == '(') {
    const std::size_t close = call_end(s, after);
    args = expand_calls(in, s.substr(after + 1, close - after - 1));
    end = close + 1;
  }
  out += call_builtin(in, code, args);
  return end;
}

}  // namespace

std::string call_builtin(Interpreter& in, uint16_t code, std::string_view args) {
  const FunctionInfo* f = find_function(code);
  if (!f) return {};
  const Builtin builtin = in.handlers().builtin(*f);
  if (!builtin) raise_error(1, std::string(f->role) + ": not built yet");
  return builtin(in, strip_blanks(args));
}

std::string expand_calls(Interpreter& in, std::string_view text) {
  if (text.find(kTokenMark) == std::string_view::npos) return std::string(text);
  NestingGuard guard(in);
  std::string out;
  out.reserve(text.size() + 16);
  bool quoted = false;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (!quoted && c == kTokenMark && i + 1 < text.size() && text[i + 1] == 'f') {
      i = expand_one(in, text, i, out);
      continue;
    }
    const std::size_t n = unit_length(text, i);
    out.append(text, i, n);
    i += n;
  }
  return out;
}

void perform_assignment(Interpreter& in, std::string_view text) { assign(in, text); }

}  // namespace tess
