#include "builtins/keyboard_builtins.h"

#include <array>
#include <chrono>
#include <thread>

#include "console/console_device.h"
#include "console/line_wait.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/lock_release.h"
#include "interp/value_text.h"

namespace tess {
namespace {

constexpr char kEmptyString[] = "\"\"";

// Cursor-key codes 28-31 (right, left, up, down) as virtual keys.
constexpr std::array<int, 4> kArrowKeys = {39, 37, 38, 40};

}  // namespace

int key_state_virtual_key(int code) {
  return code >= 28 && code <= 31 ? kArrowKeys[static_cast<std::size_t>(code - 28)] : code;
}

// Other threads get a moment to run, as the last key is polled in a loop.
std::string fn_last_key(Interpreter& in, std::string_view) {
  ConsoleDevice& device = console_device(in, "last key");
  in.host().before_wait();
  if (const LockReleased waiting(in); waiting.released()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  KeyboardState& keyboard = device.keyboard();
  device.poll_typing();
  const uint8_t key = keyboard.take_last_key();
  if (key == 0) return kEmptyString;
  return encode(std::string(1, static_cast<char>(key)), true);
}

// The typed characters are encoded, so a typed double quote cannot break the value.
std::string fn_wait_characters(Interpreter& in, std::string_view args) {
  const int32_t count = integer_view(eval_number(in, args));
  ConsoleDevice& device = console_device(in, "wait for typed characters");
  const auto typed = wait_for_typed_characters(in, device, count);
  return typed ? encode(*typed, true) : kEmptyString;
}

std::string fn_key_state(Interpreter& in, std::string_view args) {
  const int32_t code = integer_view(eval_number(in, args));
  const int16_t state = console_device(in, "key state").key_state(key_state_virtual_key(code));
  return std::to_string(state);
}

std::string fn_mouse_state(Interpreter& in, std::string_view args) {
  const MouseEvent last = in.traps().last_mouse_event();
  const char selector = args.empty() ? 0 : args.front();
  switch (selector) {
    case '0': return std::to_string(last.x);
    case '1': return std::to_string(last.y);
    case '2': return std::to_string(last.number);
    default: raise_error(1, "mouse state: the selector must be 0, 1 or 2");
  }
}

}  // namespace tess
