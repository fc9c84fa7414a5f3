#include "console/console_window_win32.h"

#include "console/console_device_win32.h"
#include "console/console_text_win32.h"
#include "console/screen_win32.h"
#include "console/text_paint_win32.h"
#include "interp/event_traps.h"
#include "interp/host.h"
#include "interp/interpreter.h"
#include "sound/sound_win32.h"
#include "system/gdi_handles_win32.h"
#include "system/win32_services.h"
#include "windows/char_messages.h"

namespace tess {
namespace {

DWORD WINAPI cleanup_thread(LPVOID parameter) {
  static_cast<Win32Services*>(parameter)->shutdown();
  return 0;
}

// Runs the shutdown on its own thread and waits for it, still answering messages
// sent by execution threads (painting sends focus messages) so none of them can
// block the shutdown.
void on_destroy(Win32Services& s) {
  if (s.display.shutting_down.exchange(true)) return;
  {
    const KernelHandle cleanup(CreateThread(nullptr, 0, cleanup_thread, &s, 0, nullptr));
    HANDLE waited = cleanup.get();
    while (waited && MsgWaitForMultipleObjects(1, &waited, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
      MSG msg;
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  }
  PostQuitMessage(0);
}

void on_create(Win32Services& s, HWND hwnd) {
  Display& display = s.display;
  display.console = hwnd;
  display.windows.create(hwnd, true, display.screen);
  display.current_text_window = hwnd;
  text_write(s, "", TextLayer::Stream::kDrop);
  mark_all_dirty(display, hwnd);
  // The frame: what statements changed reaches the screen at the display's rate.
  SetTimer(hwnd, kFrameTimer, kFrameMilliseconds, nullptr);
}

void relayout(Win32Services& s, HWND hwnd) {
  if (WindowRecord* record = s.display.windows.find(hwnd)) relayout_text(s.display, s.text, *record);
}

// Cursor keys become the last key as the codes 0x1C-0x1F.
struct CursorKey {
  WPARAM virtual_key;
  uint8_t code;
};
constexpr CursorKey kCursorKeys[] = {{VK_LEFT, 0x1D}, {VK_UP, 0x1E}, {VK_RIGHT, 0x1C}, {VK_DOWN, 0x1F}};

// Mouse messages and their trap numbers.
struct MouseMessage {
  UINT message;
  int trap;
};
constexpr MouseMessage kMouseMessages[] = {
    {WM_MOUSEMOVE, 1}, {WM_LBUTTONDOWN, 2}, {WM_RBUTTONDOWN, 3}, {WM_LBUTTONUP, 4}, {WM_RBUTTONUP, 5}};

}  // namespace

bool cursor_key_pressed(Win32Services& s, WPARAM virtual_key) {
  for (const auto& k : kCursorKeys)
    if (k.virtual_key == virtual_key) {
      if (ConsoleDevice* device = s.host.console_device()) device->keyboard().set_last_key(k.code);
      return true;
    }
  return false;
}

namespace {

void key_down(Win32Services& s, WPARAM virtual_key) {
  if (cursor_key_pressed(s, virtual_key)) return;
  if (virtual_key >= VK_F1 && virtual_key <= VK_F12 && s.interp)
    raise_key_event(*s.interp, static_cast<int>(virtual_key - VK_F1));
}

// The position is recorded even while the trap is off.
bool mouse_message(Win32Services& s, UINT message, LPARAM lparam) {
  for (const auto& m : kMouseMessages)
    if (m.message == message) {
      if (s.interp) raise_mouse_event(*s.interp, m.trap, LOWORD(lparam), HIWORD(lparam));
      return true;
    }
  return false;
}

}  // namespace

LRESULT CALLBACK console_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Win32Services* services = services_of(hwnd, message, lparam);
  if (!services) return DefWindowProcW(hwnd, message, wparam, lparam);
  Win32Services& s = *services;
  switch (message) {
    case WM_CREATE: on_create(s, hwnd); return 0;
    case WM_DESTROY: on_destroy(s); return 0;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SIZE:
      note_client_size(s.display, hwnd, wparam, lparam);
      relayout(s, hwnd);
      return 0;
    case WM_PAINT: paint_window(s, hwnd); return 0;
    case WM_TIMER:
      if (wparam != kFrameTimer) return DefWindowProcA(hwnd, message, wparam, lparam);
      paint_dirty_windows(s, false);
      return 0;
    case kPaintNowMessage: paint_dirty_windows(s, true); return 1;
    case WM_SETFOCUS: show_caret(s, hwnd); return 0;
    case WM_KILLFOCUS: hide_caret(hwnd); return 0;
    case WM_KEYDOWN: key_down(s, wparam); return 0;
    case WM_CHAR:
      for (const uint64_t byte : code_page_wparams(message, wparam))
        type_into_window(s, hwnd, static_cast<uint8_t>(byte), TypingRole::Console);
      return 0;
    case MM_MCINOTIFY: mci_notified(s); return 0;
    default:
      if (mouse_message(s, message, lparam)) return 0;
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

}  // namespace tess
