// Byte-level scanning shared by every helper that walks program text before
// call expansion. A function token (0x01 'f' hi lo) is one unit: its code bytes
// may be a blank, a comma or a quote, and must never be taken for one. Any other
// 0x01 pair (operator token or value escape) is a unit of two bytes.
#pragma once
#include <cstddef>
#include <string_view>

namespace tess {

inline constexpr char kTokenMark = '\x01';
inline constexpr std::size_t kFunctionTokenSize = 4;

// The length of the unit that starts at s[i] (never past the end of s).
inline std::size_t unit_length(std::string_view s, std::size_t i) {
  if (s[i] != kTokenMark) return 1;
  const std::size_t want = (i + 1 < s.size() && s[i + 1] == 'f') ? kFunctionTokenSize : 2;
  return want < s.size() - i ? want : s.size() - i;
}

inline bool is_blank_or_tab(char c) { return c == ' ' || c == '\t'; }

inline bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A name begins with a letter or '_'.
inline bool is_name_start(char c) { return is_letter(c) || c == '_'; }

}  // namespace tess
