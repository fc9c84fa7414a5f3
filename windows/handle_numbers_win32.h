// Window, menu and bitmap handles as the numbers programs hold in their variables.
#pragma once
#include <windows.h>

#include <cstdint>

namespace tess {

inline HWND as_window(int32_t number) { return reinterpret_cast<HWND>(static_cast<intptr_t>(number)); }
inline HBITMAP as_bitmap(int32_t number) { return reinterpret_cast<HBITMAP>(static_cast<intptr_t>(number)); }
inline HMENU as_menu(int32_t number) { return reinterpret_cast<HMENU>(static_cast<intptr_t>(number)); }
inline int32_t as_number(HANDLE handle) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(handle)); }

}  // namespace tess
