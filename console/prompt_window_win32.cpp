// The console behaviour of "PROMPT" windows: refresh on resize, caret and input
// method, cursor keys and typed input on the window's own text layer.
#include "console/prompt_window_win32.h"

#include "console/console_device_win32.h"
#include "console/console_text_win32.h"
#include "console/console_window_win32.h"
#include "console/text_paint_win32.h"
#include "system/win32_services.h"

namespace tess {

bool prompt_text_message(Win32Services& s, HWND hwnd, UINT message, WPARAM wparam, LPARAM) {
  WindowRecord* record = s.display.windows.find(hwnd);
  if (!record) return false;
  switch (message) {
    case WM_SIZE: relayout_text(s.display, s.text, *record); return true;
    case WM_SETFOCUS: show_caret(s, hwnd); return true;
    case WM_KILLFOCUS: hide_caret(hwnd); return true;
    case WM_KEYDOWN: return cursor_key_pressed(s, wparam);
    case WM_CHAR: type_into_window(s, hwnd, static_cast<uint8_t>(wparam & 0xFF), TypingRole::Prompt); return true;
    default: return false;
  }
}

}  // namespace tess
