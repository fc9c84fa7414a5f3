// Create, close, select, show and move windows; wait for their events; message
// boxes; messages sent to windows.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "console/screen_win32.h"
#include "graphics/argument_text.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/lock_release.h"
#include "interp/value_limits.h"
#include "interp/value_text.h"
#include "system/wide_win32.h"
#include "system/win32_services.h"
#include "windows/display_win32.h"
#include "windows/handle_numbers_win32.h"
#include "windows/user_window_win32.h"
#include "windows/window_args.h"
#include "windows/window_handlers.h"

namespace tess {
namespace {


void set_variable(Interpreter& in, std::string_view variable, int64_t value) {
  assign(in, assignment_text(variable, value));
}

LRESULT send_unlocked(Exec& ex, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  LockReleased released(ex);
  return SendMessageW(hwnd, message, wparam, lparam);
}

// A count of characters that a message answers is told to the program in bytes,
// as a code page 932 window counts them; an error (negative) stays as it is.
LRESULT in_bytes(LRESULT result, const std::string& text) {
  return result < 0 ? result : static_cast<LRESULT>(text.size());
}

// The text comes as UTF-16 and is cut to the program's size in bytes after its
// conversion: a buffer of n units holds at least n bytes' worth of text.
LRESULT send_text_in(Exec& ex, const SendMessageArgs& s, HWND hwnd) {
  const int32_t number = eval_int(ex.in, s.third);
  int32_t units = 0;
  if (s.message == WM_GETTEXT) units = number - 1;
  else units = static_cast<int32_t>(SendMessageW(hwnd, s.message == LB_GETTEXT ? LB_GETTEXTLEN : CB_GETLBTEXTLEN,
                                                 static_cast<WPARAM>(number), 0));
  units = std::max(units, 0);
  // A program's buffer size is held to the 8,192-byte text buffers (a list
  // item's own length is not: the message writes it whole, so the text is cut
  // only when it is assigned).
  if (s.message == WM_GETTEXT) units = std::min<int32_t>(units, kMaxExpression);
  std::vector<wchar_t> buffer(static_cast<std::size_t>(units) + 1, L'\0');
  // A size below 1 would let WM_GETTEXT write past the buffer: it gets the buffer's.
  const WPARAM wparam = s.message == WM_GETTEXT ? buffer.size() : static_cast<WPARAM>(number);
  const LRESULT result = send_unlocked(ex, hwnd, s.message, wparam, reinterpret_cast<LPARAM>(buffer.data()));
  buffer.back() = L'\0';
  std::string text = narrow_terminated(buffer.data(), buffer.size());
  const std::size_t limit = s.message == WM_GETTEXT ? static_cast<std::size_t>(units) : kMaxExpression;
  text = std::string(cp932::first_bytes(text, limit));
  assign(ex.in, strip_blanks(s.fourth) + "=" + encode(text, true));
  return in_bytes(result, text);
}

LRESULT send_value_pair(Exec& ex, const SendMessageArgs& s, HWND hwnd) {
  DWORD first = 0, second = 0;
  const LRESULT result = send_unlocked(ex, hwnd, s.message, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&second));
  set_variable(ex.in, strip_blanks(s.third), static_cast<int32_t>(first));
  set_variable(ex.in, strip_blanks(s.fourth), static_cast<int32_t>(second));
  return result;
}

LRESULT send_line_request(Exec& ex, const SendMessageArgs& s, HWND hwnd) {
  const int32_t line = eval_int(ex.in, s.third);
  const LRESULT index = SendMessageW(hwnd, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
  const auto length = static_cast<std::size_t>(std::max<LRESULT>(SendMessageW(hwnd, EM_LINELENGTH, static_cast<WPARAM>(index), 0), 0));
  // The first unit holds the capacity, so the buffer has one even for an empty line.
  std::vector<wchar_t> buffer(length + 1, L'\0');
  buffer[0] = static_cast<wchar_t>(std::min<std::size_t>(length + 1, 0xFFFF));
  const LRESULT copied = send_unlocked(ex, hwnd, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buffer.data()));
  const std::string text = narrow(std::wstring_view(buffer.data(), std::min(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)), length)));
  assign(ex.in, strip_blanks(s.fourth) + "=\"" + std::string(text.c_str()) + "\"");
  return in_bytes(copied, text);
}

bool same_ascii_word(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y)); });
}

bool is_own_class(std::string_view class_name) {
  for (const char* own : {kNormalClass, kPromptClass, kConsoleClass})
    if (same_ascii_word(class_name, own)) return true;
  return false;
}

// Controls without a font of their own write in the system font, which has no
// Japanese characters on a system whose code page is not 932. They get that
// font in its Shift-JIS charset, which the font mapper finds in a face that has
// them; on a code page 932 system the system font already is that, and nothing
// changes. Made once (statements run one at a time), kept for the whole run.
HFONT control_font(UserWindows& windows) {
  Font& font = windows.control_font;
  if (!font) {
    LOGFONTW lf{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof lf, &lf);
    if (lf.lfCharSet == SHIFTJIS_CHARSET) return nullptr;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    font = Font(CreateFontIndirectW(&lf));
  }
  return font.get();
}

}  // namespace

void stmt_window(Exec& ex, std::string_view args) {
  const CreateWindowArgs w = parse_create_window(ex.in, args);
  Win32Services& services = win32(ex);
  Display& display = services.display;
  // The runtime's own classes find the services through their creation parameter;
  // other classes may read it as something else.
  const bool own = is_own_class(w.class_name);
  HWND hwnd = nullptr;
  {
    const CreatingWindow creating(services);
    hwnd = CreateWindowExW(0, wide(w.class_name).c_str(), wide(w.caption).c_str(), static_cast<DWORD>(w.style), w.x,
                           w.y, w.width, w.height, as_window(w.parent),
                           reinterpret_cast<HMENU>(static_cast<intptr_t>(w.id)), display.instance,
                           own ? &services : nullptr);
  }
  set_variable(ex.in, w.variable, as_number(hwnd));
  if (!hwnd) raise_error(1, "create window: the window of class " + w.class_name + " was not created");
  if (HFONT font = control_font(services.user_windows); font && !own)
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (!display.windows.create(hwnd, is_dark_class(w.class_name), display.screen))
    raise_error(1, "create window: all 1024 window records are in use");
  // The runtime's own windows show their fill at the next frame; controls paint
  // themselves until a program draws into them.
  if (lstrcmpiA(w.class_name.c_str(), kNormalClass) == 0 || is_dark_class(w.class_name)) mark_all_dirty(display, hwnd);
}

void stmt_wclose(Exec& ex, std::string_view args) {
  Display& display = win32(ex).display;
  HWND hwnd = as_window(eval_int(ex.in, args));
  if (hwnd == display.current_text_window) display.current_text_window = display.console;
  DestroyWindow(hwnd);
  display.windows.release(hwnd);
}

void stmt_wselect(Exec& ex, std::string_view args) {
  win32(ex).display.current_text_window = as_window(eval_int(ex.in, strip_blanks(args)));
}

void stmt_wshow(Exec& ex, std::string_view args) {
  const std::string text = strip_blanks(args);
  const auto parts = cut_at_commas(text, 2);
  if (parts.size() < 2) argument_error("show window", "window and show command");
  HWND hwnd = as_window(eval_int(ex.in, parts[0]));
  ShowWindow(hwnd, eval_int(ex.in, parts[1]));
  mark_all_dirty(win32(ex).display, hwnd);
}

void stmt_wmove(Exec& ex, std::string_view args) {
  const MoveWindowArgs m = parse_move_window(ex.in, args);
  HWND hwnd = as_window(m.window);
  RECT now{};
  GetWindowRect(hwnd, &now);
  const LONG current[4] = {now.left, now.top, now.right, now.bottom};
  LONG edge[4];
  for (int i = 0; i < 4; ++i) edge[i] = m.edges[static_cast<std::size_t>(i)] < 0 ? current[i] : m.edges[static_cast<std::size_t>(i)];
  MoveWindow(hwnd, edge[0], edge[1], edge[2] - edge[0], edge[3] - edge[1], TRUE);
  if (m.size_mode == 1) ShowWindow(hwnd, SW_MAXIMIZE);
  else if (m.size_mode == 2) ShowWindow(hwnd, SW_MINIMIZE);
  mark_all_dirty(win32(ex).display, hwnd);
}

void stmt_wevent(Exec& ex, std::string_view args) {
  const auto variables = parse_wait_event(args);
  Win32Services& services = win32(ex);
  EventQueue& queue = services.user_windows.event_queues[static_cast<std::size_t>(ex.slot)];
  flush_screen(services);
  {
    LockReleased released(ex);
    while (queue.empty() && !ex.in.stop_requested()) {
      MSG msg;
      if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        break;
      }
      Sleep(10);
    }
  }
  if (ex.in.stop_requested()) return;
  const WindowEvent e = queue.take();
  const int32_t values[4] = {e.window, e.message, e.wparam, e.lparam};
  for (std::size_t i = 0; i < 4; ++i) set_variable(ex.in, variables[i], values[i]);
}

void stmt_msgbox(Exec& ex, std::string_view args) {
  const MessageBoxArgs box = parse_message_box(ex.in, args);
  int answer = 0;
  flush_screen(win32(ex));
  {
    LockReleased released(ex);
    answer = MessageBoxW(as_window(box.owner), wide(box.text).c_str(), wide(box.title).c_str(), box.style);
  }
  if (!box.variable.empty()) set_variable(ex.in, box.variable, answer);
}

void stmt_sendmsg(Exec& ex, std::string_view args) {
  const SendMessageArgs s = parse_send_message(ex.in, args);
  HWND hwnd = as_window(s.window);
  LRESULT result = 0;
  switch (send_kind(s.message)) {
    case SendKind::TextOut: {
      const int32_t number = eval_int(ex.in, s.third);
      const std::wstring text = wide(eval_plain_text(ex.in, s.fourth));
      result = send_unlocked(ex, hwnd, s.message, static_cast<WPARAM>(number), reinterpret_cast<LPARAM>(text.c_str()));
      break;
    }
    case SendKind::TextIn: result = send_text_in(ex, s, hwnd); break;
    case SendKind::ValuePair: result = send_value_pair(ex, s, hwnd); break;
    case SendKind::LineRequest: result = send_line_request(ex, s, hwnd); break;
    case SendKind::Numbers: {
      const int32_t wparam = eval_int(ex.in, s.third), lparam = eval_int(ex.in, s.fourth);
      result = send_unlocked(ex, hwnd, s.message, static_cast<WPARAM>(static_cast<uint32_t>(wparam)), static_cast<LPARAM>(lparam));
      break;
    }
  }
  if (!s.result_variable.empty()) set_variable(ex.in, s.result_variable, static_cast<int32_t>(result));
}

}  // namespace tess
