// The console behaviour of "PROMPT" windows: refresh on resize, caret and input
// method, cursor keys and typed input on the window's own text layer.
#include "console/console_device_win32.h"
#include "console/console_window_win32.h"
#include "console/prompt_window_win32.h"
#include "console/text_paint_win32.h"
#include "startup/app_win32.h"

namespace tess {

bool prompt_text_message(HWND hwnd, UINT message, WPARAM wparam, LPARAM) {
  WindowRecord* record = app().windows.find(hwnd);
  if (!record) return false;
  switch (message) {
    case WM_SIZE: relayout_text(*record); return true;
    case WM_SETFOCUS: show_caret(hwnd); return true;
    case WM_KILLFOCUS: hide_caret(hwnd); return true;
    case WM_KEYDOWN: return cursor_key_pressed(wparam);
    case WM_CHAR: type_into_window(hwnd, static_cast<uint8_t>(wparam & 0xFF), TypingRole::Prompt); return true;
    default: return false;
  }
}

}  // namespace tess
