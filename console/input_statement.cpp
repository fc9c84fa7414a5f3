// The input statement and the line-input form of the line statement.
#include "console/console_device.h"
#include "console/console_handlers.h"
#include "console/input_parse.h"
#include "console/line_wait.h"
#include "console/print.h"
#include "files/file_input.h"
#include "graphics/shared_code_routers.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/lock_release.h"
#include "interp/variables.h"

namespace tess {
namespace {

// "不正な入力です" (CP932)
constexpr char kWrongCount[] = "\x95\x73\x90\xb3\x82\xc8\x93\xfc\x97\xcd\x82\xc5\x82\xb7";
constexpr char kWarning[] = "Warning";

void assign_typed_value(Interpreter& in, std::string_view name, std::string_view value) {
  if (variable_type(in, name) == VarType::String) write_string(in, name, value);
  else write_number(in, name, leading_number(value));
}

// The box waits for the user like the line did, so other threads go on meanwhile.
void warn_wrong_count(Exec& ex, ConsoleDevice& device) {
  const LockReleased waiting(ex);
  device.warning_box(kWrongCount, kWarning);
}

}  // namespace

// The line-input half of the line statement (its router is with the graphics).
void line_input_statement(Exec& ex, std::string_view args) {
  if (!args.empty() && args.front() == '#') return input_from_file(ex, args, true);
  ConsoleDevice& device = console_device(ex.in, "line input");
  const InputPrompt prompt = line_input_prompt(args);
  print_text(ex.in, prompt.print_text, false);
  // The lock stays held: every other execution thread stands still until Enter.
  const auto line = wait_for_typed_line(ex.in, device, ex.lock, false);
  if (!line) return;
  std::string statement(prompt.rest);
  statement += "=\"";
  statement += *line;
  statement += '"';
  assign(ex.in, statement);
}

void stmt_input(Exec& ex, std::string_view raw_args) {
  const std::string args = strip_blanks(raw_args);
  if (!args.empty() && args.front() == '#') return input_from_file(ex, args, false);
  ConsoleDevice& device = console_device(ex.in, "input");
  const InputPrompt prompt = input_statement_prompt(args);
  const std::vector<std::string> names = split_names(prompt.rest);
  for (;;) {
    print_text(ex.in, prompt.print_text, false);
    const auto line = wait_for_typed_line(ex.in, device, ex.lock, true);
    if (!line) return;
    const auto values = split_values(*line);
    if (values.size() == names.size()) {
      for (std::size_t i = 0; i < names.size(); ++i) assign_typed_value(ex.in, names[i], values[i]);
      return;
    }
    warn_wrong_count(ex, device);
    if (ex.in.stop_requested()) return;
  }
}

}  // namespace tess
