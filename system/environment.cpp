// The environment statement and function, and the command-line function.
#include <cstdlib>

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"
#include "system/environment_store.h"
#include "system/system_builtins.h"
#include "system/system_handlers.h"

namespace tess {
namespace {

constexpr char kSetFailed[] = "\x8a\xc2\x8b\xab\x95\xcf\x90\x94\x82\xcc\x90\xdd\x92\xe8\x82\xc9\x8e\xb8\x94\x73\x82\xb5\x82\xdc\x82\xb5\x82\xbd";  // "環境変数の設定に失敗しました"

// The function's result buffer holds 8,192 bytes with its quotes and terminator.
constexpr std::size_t kLongestValue = 8189;

}  // namespace

#ifndef _WIN32  // the runtime's own are in environment_win32.cpp
bool put_environment(const std::string& name, const std::string& value) {
  // setenv copies its arguments (putenv would keep a pointer to our string).
  if (name.empty() || name.find('=') != std::string::npos) return false;
  return setenv(name.c_str(), value.c_str(), 1) == 0;
}

std::optional<std::string> get_environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? std::optional<std::string>(value) : std::nullopt;
}
#endif

void stmt_setenv(Exec& ex, std::string_view args) {
  std::string name_expr;
  const std::size_t rest = split_argument(args, 0, name_expr);
  const std::string name = decode(eval_string(ex.in, name_expr), false);
  const std::string_view value_expr = args.substr(rest);
  const std::string value = strip_blanks(value_expr).empty() ? std::string{} : decode(eval_string(ex.in, value_expr), false);
  if (!put_environment(name, value)) raise_error(99, kSetFailed);
}

// The value comes back encoded, so a quote or 0x01 byte in it cannot break the
// string value text.
std::string fn_environ(Interpreter& in, std::string_view args) {
  check_argument_count(args, 1, true);
  const std::string name = decode(eval_string(in, args), true);
  const std::optional<std::string> value = get_environment(name);
  if (!value) return "\"\"";
  std::string_view text(*value);
  if (text.size() > kLongestValue) text = text.substr(0, kLongestValue);
  return encode(text, true);
}

std::string fn_command(Interpreter& in, std::string_view) { return "\"" + in.host().command_line_value() + "\""; }

}  // namespace tess
