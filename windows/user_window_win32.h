// Window procedures of the user window classes "NORMAL" and "PROMPT".
#pragma once
#include <windows.h>

namespace tess {

LRESULT CALLBACK normal_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK prompt_window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace tess
