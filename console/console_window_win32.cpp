#include "console/console_window_win32.h"

#include "console/text_paint_win32.h"
#include "startup/app_win32.h"
#include "startup/loader_win32.h"

namespace tess {
namespace {

DWORD WINAPI cleanup_thread(LPVOID) {
  shutdown();
  return 0;
}

// Runs the shutdown on its own thread and waits for it, still answering messages
// sent by execution threads (painting sends focus messages) so none of them can
// block the shutdown.
void on_destroy() {
  if (app().shutting_down.exchange(true)) return;
  HANDLE cleanup = CreateThread(nullptr, 0, cleanup_thread, nullptr, 0, nullptr);
  while (cleanup && MsgWaitForMultipleObjects(1, &cleanup, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
  if (cleanup) CloseHandle(cleanup);
  PostQuitMessage(0);
}

void on_create(HWND hwnd) {
  App& a = app();
  a.console = hwnd;
  a.windows.create(hwnd, true, a.screen);
  a.current_text_window = hwnd;
  text_write("");
}

void refresh(HWND hwnd, bool from_paint) {
  if (WindowRecord* record = app().windows.find(hwnd)) window_refresh(*record, from_paint);
  else if (from_paint) ValidateRect(hwnd, nullptr);
}

}  // namespace

LRESULT CALLBACK console_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE: on_create(hwnd); return 0;
    case WM_DESTROY: on_destroy(); return 0;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_SIZE: refresh(hwnd, false); return 0;
    case WM_PAINT: refresh(hwnd, true); return 0;
    case WM_KILLFOCUS: HideCaret(hwnd); DestroyCaret(); return 0;
    default: return DefWindowProcA(hwnd, message, wparam, lparam);
  }
}

}  // namespace tess
