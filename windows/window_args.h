// Argument parsing of the window statements, apart from any window.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

inline constexpr int32_t kUseDefault = INT32_MIN;  // CW_USEDEFAULT

struct CreateWindowArgs {
  std::string variable;
  int32_t parent = 0;
  int32_t x = 0, y = 0, width = 0, height = 0;  // -1 given as kUseDefault
  std::string caption;
  int32_t style = 0;
  std::string class_name = "NORMAL";
  int32_t id = 0;
};
CreateWindowArgs parse_create_window(Interpreter& in, std::string_view args);

// Window classes whose surfaces start black, compared without regard to case.
bool is_dark_class(std::string_view class_name);

struct MoveWindowArgs {
  int32_t window = 0;
  std::array<int32_t, 4> edges{};  // left, top, right, bottom; negative keeps the current edge
  int32_t size_mode = 0;
};
MoveWindowArgs parse_move_window(Interpreter& in, std::string_view args);

// The four variable references of the wait-for-event statement.
std::array<std::string, 4> parse_wait_event(std::string_view args);

struct MessageBoxArgs {
  int32_t owner = 0;
  std::string text, title;
  uint32_t style = 0;
  std::string variable;  // empty: none
};
MessageBoxArgs parse_message_box(Interpreter& in, std::string_view args);

// How the send-message statement reads its third and fourth arguments.
enum class SendKind {
  Numbers,    // wParam and lParam as numbers
  TextOut,    // number, then a string sent as lParam
  TextIn,     // number, then a string variable receiving text
  ValuePair,  // two numeric variables receiving what the message writes
  LineRequest // line number, then a string variable receiving the line
};
SendKind send_kind(uint32_t message);

struct SendMessageArgs {
  int32_t window = 0;
  uint32_t message = 0;
  std::string third, fourth;  // unevaluated: their meaning depends on the message
  std::string result_variable;
};
SendMessageArgs parse_send_message(Interpreter& in, std::string_view args);

// The assignment text of "%s=%d".
std::string assignment_text(std::string_view variable, int64_t value);

}  // namespace tess
