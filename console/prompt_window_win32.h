// Messages of "PROMPT" windows that behave as in the console window.
#pragma once
#include <windows.h>

namespace tess {

struct Win32Services;

// Handles WM_SIZE, WM_SETFOCUS, WM_KILLFOCUS, the cursor keys of WM_KEYDOWN and
// WM_CHAR for a window in the window table; false for anything else (the
// window procedure then goes on with it).
bool prompt_text_message(Win32Services& services, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace tess
