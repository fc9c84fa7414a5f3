#include "windows/user_window_win32.h"

namespace tess {

// User windows arrive with the window statements; until then their classes
// behave as plain windows.
LRESULT CALLBACK normal_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK prompt_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

}  // namespace tess
