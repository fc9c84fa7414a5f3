// The console window ("VudEvir").
#pragma once
#include <windows.h>

namespace tess {

LRESULT CALLBACK console_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace tess
