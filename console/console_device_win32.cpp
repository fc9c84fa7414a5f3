#include "console/console_device_win32.h"

#include <imm.h>

#include <string>

#include "console/screen_win32.h"
#include "console/text_paint_win32.h"
#include "startup/app_win32.h"
#include "system/gdi_handles_win32.h"
#include "system/wide_win32.h"

namespace tess {
namespace {

constexpr int kCaretWidth = 9, kCaretHeight = 6, kCaretLift = 7;

KeyboardState* keyboard_state() {
  ConsoleDevice* device = app().host.console_device();
  return device ? &device->keyboard() : nullptr;
}

bool program_running() { return app().interp && app().interp->running(); }

// Typed characters echo into the current text window (and the transcript);
// Backspace edits the console's own layer, or the "PROMPT" window's.
class WindowTyping : public TypingWindow {
 public:
  WindowTyping(HWND hwnd, TypingRole role) : hwnd_(role == TypingRole::Console ? app().console : hwnd), role_(role) {}

  void echo(std::string_view value_text) override { app().host.write_text(value_text); }

  TextLayer* edited_layer() override {
    WindowRecord* record = app().windows.find(hwnd_);
    return record ? record->layer.get() : nullptr;
  }

  // The edited layer is laid out again (the caret point moves back) and painted whole.
  void repaint() override {
    if (WindowRecord* record = app().windows.find(hwnd_)) relayout_text(*record);
  }

 private:
  HWND hwnd_;
  TypingRole role_;
};

LOGFONTW console_logfont() {
  LOGFONTW lf{};
  if (app().console_font) GetObjectW(app().console_font.get(), sizeof lf, &lf);
  return lf;
}

}  // namespace

void Win32Console::set_caret(bool enabled) {
  App& a = app();
  WindowRecord* record = a.windows.find(a.current_text_window);
  if (!record) return;
  record->caret_enabled = enabled;
  SendMessageA(record->hwnd, enabled ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0);
}

// A "PROMPT" window belongs to the execution thread that created it, which does
// not pump messages while it waits for a line: without this its typed characters
// would never arrive and the wait would never end. Only that window's messages
// are taken, so other windows' events stay queued for the wait-for-event statement.
void Win32Console::deliver_typing(bool) {
  HWND hwnd = app().current_text_window;
  if (!hwnd || hwnd == app().console || GetWindowThreadProcessId(hwnd, nullptr) != GetCurrentThreadId()) return;
  MSG msg;
  while (PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32Console::warning_box(std::string_view text, std::string_view caption) {
  MessageBoxW(app().current_text_window, wide(text).c_str(), wide(caption).c_str(), MB_ICONINFORMATION);
}

int16_t Win32Console::key_state(int virtual_key) { return static_cast<int16_t>(GetAsyncKeyState(virtual_key)); }

void Win32Console::edit_current_layer(const std::function<void(TextLayer&)>& edit) {
  App& a = app();
  const auto surfaces = lock_backing_bitmaps();
  if (WindowRecord* record = a.windows.find(a.current_text_window); record && record->layer) {
    edit(*record->layer);
    mark_all_dirty(*record);
  }
}

void Win32Console::set_text_area(int32_t columns, int32_t lines) {
  App& a = app();
  const WindowDC dc(a.current_text_window);
  SIZE letter{};
  {
    const Selected font(dc.get(), a.console_font.get());
    GetTextExtentPoint32A(dc.get(), "A", 1, &letter);
  }
  a.text_area = {true, static_cast<int>(columns) * letter.cx, static_cast<int>(lines) * letter.cy};
}

void type_into_window(HWND hwnd, uint8_t c, TypingRole role) {
  KeyboardState* keyboard = keyboard_state();
  if (!keyboard) return;
  WindowTyping window(hwnd, role);
  type_character(*keyboard, window, c, role, program_running());
}

void show_caret(HWND hwnd) {
  WindowRecord* record = app().windows.find(hwnd);
  if (!record || !record->caret_enabled) return;
  if (HIMC context = ImmGetContext(hwnd)) {
    LOGFONTW lf = console_logfont();
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
