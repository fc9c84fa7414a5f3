// The driver's texts are code page 932 on every system. It converts with the
// system's own code page 932 tables (not the runtime's), so what it reads back
// checks the runtime's conversion rather than repeating it.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

inline std::wstring units(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
}

inline std::string cp932(std::wstring_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

// A window's title through GetWindowTextW, which asks no other process.
inline std::string text_of(HWND hwnd) {
  if (!hwnd) return {};
  wchar_t text[2048] = {};
  GetWindowTextW(hwnd, text, static_cast<int>(std::size(text)));
  return cp932(text);
}

// A control's own text (an edit or combo box keeps it apart from its caption)
// through WM_GETTEXT, as GetDlgItemText asks it.
inline std::string control_text_of(HWND hwnd) {
  if (!hwnd) return {};
  wchar_t text[2048] = {};
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &answer);
  return cp932(text);
}
