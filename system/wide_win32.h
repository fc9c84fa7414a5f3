// The program's code page 932 text as the UTF-16 of the "W" functions, and back.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "system/cp932.h"

namespace tess {

inline std::wstring wide(std::string_view cp932_text) {
  const std::u16string units = cp932::to_utf16(cp932_text);
  return std::wstring(units.begin(), units.end());
}

inline std::string narrow(std::wstring_view units) {
  return cp932::from_utf16(std::u16string_view(reinterpret_cast<const char16_t*>(units.data()), units.size()));
}

// A zero-terminated UTF-16 buffer filled by the system, as code page 932 text.
inline std::string narrow_terminated(const wchar_t* units, std::size_t capacity) {
  std::size_t length = 0;
  while (length < capacity && units[length]) ++length;
  return narrow(std::wstring_view(units, length));
}

// The text of a window (its title, a control's text), as code page 932 text.
inline std::string window_text(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return narrow(text);
}

}  // namespace tess
