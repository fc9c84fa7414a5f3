#include <windows.h>

#include <vector>

#include "tools/tokenizer/codepage.h"

namespace tess::tok {
namespace {

constexpr UINT kCp932 = 932;

std::wstring widen(UINT code_page, DWORD flags, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int n = MultiByteToWideChar(code_page, flags, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(code_page, flags, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
  return wide;
}

}  // namespace

bool utf8_char_to_cp932(std::string_view ch, std::string& out) {
  const std::wstring wide = widen(CP_UTF8, MB_ERR_INVALID_CHARS, ch);
  if (wide.empty()) return false;
  BOOL used_default = FALSE;
  char buffer[8];
  const int n = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), buffer,
                                    sizeof buffer, nullptr, &used_default);
  if (n <= 0 || used_default) return false;
  out.append(buffer, static_cast<std::size_t>(n));
  return true;
}

std::string cp932_to_utf8_text(std::string_view bytes) {
  const std::wstring wide = widen(kCp932, 0, bytes);
  if (wide.empty()) return std::string(bytes);
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace tess::tok
