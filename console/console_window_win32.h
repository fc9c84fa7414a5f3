// The console window ("VudEvir").
#pragma once
#include <windows.h>

namespace tess {

struct Win32Services;

LRESULT CALLBACK console_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// A cursor key (left, up, right, down) becomes the last key; false for any other key.
bool cursor_key_pressed(Win32Services& services, WPARAM virtual_key);

}  // namespace tess
