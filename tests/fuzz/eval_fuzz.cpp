// libFuzzer target over the evaluators and call expansion. The first byte picks
// the entry point; the rest is the text. Runtime errors are expected answers;
// anything else (a crash, a sanitizer report, a nesting count left over) is a
// finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "headless/headless_host.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/expansion.h"
#include "interp/function_codes.h"
#include "interp/interpreter.h"
#include "interp/user_functions.h"
#include "tests/fuzz/quiet_interpreter.h"

namespace {

using namespace tess;

struct Harness : fuzz::QuietInterpreter {

  // The values part of the interpreter reset (the whole reset also clears every
  // thread's return stack, which would slow each run down for nothing).
  void prepare() {
    in.variables().numbers.clear();
    in.variables().strings.clear();
    in.variables().letters.clear();
    in.user_functions().clear();
    define_user_function(in, "f(x)=x*2");
    define_user_function(in, "g$(a$,n)=a$+\"!\"");
    define_user_function(in, "r(x)=" + function_token(Fn::kUserFunction) + "r(x)");
    const int32_t ten[] = {10};
    const int32_t two_three[] = {2, 3};
    declare_array(in, "a", ten);
    declare_array(in, "m", two_three);
    declare_array(in, "t$", ten);
    assign(in, "x=3");
    assign(in, "s$=\"abc\"");
    assign(in, "e(5)=1/3");
    add_type_letter(in, VarType::Integer, 'i');
  }
};

constexpr uint8_t group_of(Fn f) { return static_cast<uint8_t>(code_of(f) >> 8); }

// Built-ins that wait for the keyboard or reach devices are swapped for an
// unassigned code, so every run ends promptly and touches nothing outside: the
// numeric and string groups stay (but the string group's wait for typed
// characters), and user functions.
std::string sanitize(const uint8_t* data, std::size_t size) {
  constexpr char kUnassigned[] = {'\x10', '\x22'};
  std::string s(reinterpret_cast<const char*>(data), size);
  for (std::size_t i = 0; i + 3 < s.size(); ++i) {
    if (s[i] != '\x01' || s[i + 1] != 'f') continue;
    const auto hi = static_cast<uint8_t>(s[i + 2]);
    const auto code = static_cast<Fn>(hi << 8 | static_cast<uint8_t>(s[i + 3]));
    const bool allowed = hi == group_of(Fn::kAbs) || (hi == group_of(Fn::kLeft) && code != Fn::kInput) ||
                         code == Fn::kUserFunction;
    if (!allowed) s[i + 2] = kUnassigned[0], s[i + 3] = kUnassigned[1];
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static Harness h;
  if (size == 0) return 0;
  h.prepare();
  const std::string text = sanitize(data + 1, size - 1);
  try {
    switch (data[0] % 6) {
      case 0: eval_number(h.in, text); break;
      case 1: eval_condition(h.in, text); break;
      case 2: eval_string(h.in, text); break;
      case 3: assign(h.in, expand_calls(h.in, text)); break;
      case 4: eval_condition(h.in, expand_calls(h.in, text)); break;
      default: define_user_function(h.in, text); eval_number(h.in, expand_calls(h.in, function_token(Fn::kUserFunction) + text)); break;
    }
  } catch (const ProgramError&) {
  }
  if (h.in.eval_depth() != 0) __builtin_trap();
  return 0;
}
