#include "console/console_device_win32.h"

#include <imm.h>

#include <string>

#include "console/console_text_win32.h"
#include "console/screen_win32.h"
#include "console/text_paint_win32.h"
#include "interp/host.h"
#include "interp/interpreter.h"
#include "system/gdi_handles_win32.h"
#include "system/wide_win32.h"

namespace tess {
namespace {

constexpr int kCaretWidth = 9, kCaretHeight = 6, kCaretLift = 7;

bool program_running(const Win32Services& s) { return s.interp && s.interp->running(); }

// Typed characters echo into the current text window (and the transcript);
// Backspace edits the console's own layer, or the "PROMPT" window's.
class WindowTyping : public TypingWindow {
 public:
  WindowTyping(Win32Services& services, HWND hwnd, TypingRole role)
      : services_(services), hwnd_(role == TypingRole::Console ? services.display.console : hwnd), role_(role) {}

  void echo(std::string_view value_text) override { services_.host.write_text(value_text); }

  TextLayer* edited_layer() override {
    WindowRecord* record = services_.display.windows.find(hwnd_);
    return record ? record->layer.get() : nullptr;
  }

  // The edited layer is laid out again (the caret point moves back) and painted whole.
  void repaint() override {
    if (WindowRecord* record = services_.display.windows.find(hwnd_))
      relayout_text(services_.display, services_.text, *record);
  }

 private:
  Win32Services& services_;
  HWND hwnd_;
  TypingRole role_;
};

LOGFONTW console_logfont(const ConsoleText& text) {
  LOGFONTW lf{};
  if (text.console_font) GetObjectW(text.console_font.get(), sizeof lf, &lf);
  return lf;
}

}  // namespace

void Win32Console::set_caret(bool enabled) {
  WindowRecord* record = services_.display.current_record();
  if (!record) return;
  record->caret_enabled = enabled;
  SendMessageA(record->hwnd, enabled ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
}

// A "PROMPT" window belongs to the execution thread that created it, which does
// not pump messages while it waits for a line: without this its typed characters
// would never arrive and the wait would never end. Only that window's messages
// are taken, so other windows' events stay queued for the wait-for-event statement.
void Win32Console::deliver_typing(bool) {
  const Display& display = services_.display;
  HWND hwnd = display.current_text_window;
  if (!hwnd || hwnd == display.console || GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId()) return;
  MSG msg;
  while (PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Console::warning_box(std::string_view text, std::string_view caption) {
  MessageBoxW(services_.display.current_text_window, wide(text).c_str(), wide(caption).c_str(), MB_ICONINFORMATION);
}

int16_t Win32Console::key_state(int virtual_key) { return static_cast<int16_t>(GetAsyncKeyState(virtual_key)); }

void Win32Console::edit_current_layer(const std::function<void(TextLayer&)>& edit) {
  Display& display = services_.display;
  const auto surfaces = display.windows.lock_backing_bitmaps();
  if (WindowRecord* record = display.current_record(); record && record->layer) {
    edit(*record->layer);
    mark_all_dirty(display, *record);
  }
}

void Win32Console::set_text_area(int32_t columns, int32_t lines) {
  ConsoleText& text = services_.text;
  const WindowDC dc(services_.display.current_text_window);
  SIZE letter{};
  {
    const Selected font(dc.get(), text.console_font.get());
    GetTextExtentPoint32A(dc.get(), "A", 1, &letter);
  }
  text.text_area = {true, static_cast<int>(columns) * letter.cx, static_cast<int>(lines) * letter.cy};
}

void type_into_window(Win32Services& services, HWND hwnd, uint8_t c, TypingRole role) {
  ConsoleDevice* device = services.host.console_device();
  if (!device) return;
  WindowTyping window(services, hwnd, role);
  type_character(device->keyboard(), window, c, role, program_running(services));
}

void show_caret(Win32Services& services, HWND hwnd) {
  WindowRecord* record = services.display.windows.find(hwnd);
  if (!record || !record->caret_enabled) return;
  if (HIMC context = ImmGetContext(hwnd)) {
    LOGFONTW lf = console_logfont(services.text);
    ImmSetCompositionWindow(context, &record->composition);
    ImmSetCompositionFontW(context, &lf);
    ImmReleaseContext(hwnd, context);
  }
  CreateCaret(hwnd, nullptr, kCaretWidth, kCaretHeight);
  SetCaretPos(record->caret.x, record->caret.y - kCaretLift);
  ShowCaret(hwnd);
}

void hide_caret(HWND hwnd) {
  HideCaret(hwnd);
  DestroyCaret();
}

}  // namespace tess
