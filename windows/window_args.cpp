#include "windows/window_args.h"

#include "graphics/argument_text.h"
#include "interp/evaluate.h"

namespace tess {
namespace {

struct SendRow {
  uint32_t message;
  SendKind kind;
};

constexpr SendRow kSendRows[] = {
    {0x000C, SendKind::TextOut},  // WM_SETTEXT
    {0x0143, SendKind::TextOut},  // CB_ADDSTRING
    {0x014A, SendKind::TextOut},  // CB_INSERTSTRING
    {0x014C, SendKind::TextOut},  // CB_FINDSTRING
    {0x014D, SendKind::TextOut},  // CB_SELECTSTRING
    {0x0180, SendKind::TextOut},  // LB_ADDSTRING
    {0x0181, SendKind::TextOut},  // LB_INSERTSTRING
    {0x018C, SendKind::TextOut},  // LB_SELECTSTRING
    {0x018F, SendKind::TextOut},  // LB_FINDSTRING
    {0x000D, SendKind::TextIn},   // WM_GETTEXT
    {0x0189, SendKind::TextIn},   // LB_GETTEXT
    {0x0148, SendKind::TextIn},   // CB_GETLBTEXT
    {0x00B0, SendKind::ValuePair},  // EM_GETSEL
    {0x00E3, SendKind::ValuePair},  // SBM_GETRANGE
    {0x0140, SendKind::ValuePair},  // CB_GETEDITSEL
    {0x00C4, SendKind::LineRequest},  // EM_GETLINE
};

int32_t use_default(int32_t v) { return v == -1 ? kUseDefault : v; }

}  // namespace

CreateWindowArgs parse_create_window(Interpreter& in, std::string_view args) {
  CreateWindowArgs w;
  std::string part[8];
  std::size_t pos = 0;
  for (int i = 0; i < 8; ++i) {
    if (pos >= args.size() && i > 0) argument_error("create window", "variable, parent, x, y, width, height, caption and style are required");
    pos = split_argument(args, pos, part[i]);
  }
  w.variable = strip_blanks(part[0]);
  w.parent = eval_int(in, part[1]);
  w.x = use_default(eval_int(in, part[2]));
  w.y = use_default(eval_int(in, part[3]));
  w.width = use_default(eval_int(in, part[4]));
  w.height = use_default(eval_int(in, part[5]));
  w.caption = eval_plain_text(in, part[6]);
  w.style = eval_int(in, part[7]);
  if (pos < args.size()) {
    std::string class_arg;
    pos = split_argument(args, pos, class_arg);
    w.class_name = eval_plain_text(in, class_arg);
    const std::string id_text = strip_blanks(args.substr(pos));
    w.id = id_text.empty() ? 0 : eval_int(in, id_text);
  }
  return w;
}

bool is_dark_class(std::string_view class_name) { return is_word(class_name, "prompt"); }

MoveWindowArgs parse_move_window(Interpreter& in, std::string_view args) {
  const std::string text = strip_blanks(args);
  const auto parts = cut_at_commas(text, 6);
  if (parts.size() < 5) argument_error("move window", "window, left, top, right and bottom are required");
  MoveWindowArgs m;
  m.window = eval_int(in, parts[0]);
  for (std::size_t i = 0; i < 4; ++i) m.edges[i] = eval_int(in, parts[i + 1]);
  if (parts.size() > 5) m.size_mode = eval_int(in, parts[5]);
  return m;
}

std::array<std::string, 4> parse_wait_event(std::string_view args) {
  const std::string text = strip_blanks(args);
  const auto parts = cut_at_commas(text, 4);
  if (parts.size() < 4) argument_error("wait for event", "four variables are required");
  return {std::string(parts[0]), std::string(parts[1]), std::string(parts[2]), std::string(parts[3])};
}

MessageBoxArgs parse_message_box(Interpreter& in, std::string_view args) {
  MessageBoxArgs box;
  std::string owner, text, title, style;
  std::size_t pos = split_argument(args, 0, owner);
  if (pos >= args.size()) argument_error("message box", "a text must follow the owner");
  pos = split_argument(args, pos, text);
  box.owner = eval_int(in, owner);
  box.text = eval_plain_text(in, text);
  if (pos < args.size()) {
    pos = split_argument(args, pos, title);
    box.title = eval_plain_text(in, title);
  }
  if (pos < args.size()) {
    pos = split_argument(args, pos, style);
    box.style = static_cast<uint32_t>(eval_int(in, style));
  }
  if (pos < args.size()) box.variable = strip_blanks(args.substr(pos));
  return box;
}

SendKind send_kind(uint32_t message) {
  for (const SendRow& row : kSendRows)
    if (row.message == message) return row.kind;
  return SendKind::Numbers;
}

SendMessageArgs parse_send_message(Interpreter& in, std::string_view args) {
  SendMessageArgs s;
  std::string window, message;
  std::size_t pos = split_argument(args, 0, window);
  if (pos < args.size()) pos = split_argument(args, pos, message);
  if (pos >= args.size()) argument_error("send message", "window, message and two arguments are required");
  pos = split_argument(args, pos, s.third);
  if (pos >= args.size()) argument_error("send message", "a fourth argument is required");
  pos = split_argument(args, pos, s.fourth);
  s.window = eval_int(in, window);
  s.message = static_cast<uint32_t>(eval_int(in, message));
  if (pos < args.size()) s.result_variable = strip_blanks(args.substr(pos));
  return s;
}

std::string assignment_text(std::string_view variable, int64_t value) {
  return std::string(variable) + "=" + std::to_string(value);
}

}  // namespace tess
