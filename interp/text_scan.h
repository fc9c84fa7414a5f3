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

// A byte of a variable name as the expression evaluators read it: the type
// suffixes and the '.' and '!' a name may hold count as part of it.
inline bool is_name_char(char c) {
  return is_letter(c) || is_digit(c) || c == '_' || c == '.' || c == '!' || c == '#' || c == '%';
}

inline bool is_sign(char c) { return c == '+' || c == '-'; }

// ASCII only: Shift-JIS bytes and other bytes above 0x7F are left as they are.
inline char ascii_lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// s without its leading blanks and tabs.
inline std::string_view skip_blanks(std::string_view s) {
  while (!s.empty() && is_blank_or_tab(s.front())) s.remove_prefix(1);
  return s;
}

// Does `word` (lower case) stand at s[i], ASCII letters in any case?
inline bool word_at(std::string_view s, std::size_t i, std::string_view word) {
  if (i > s.size() || s.size() - i < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if (ascii_lower(s[i + k]) != word[k]) return false;
  return true;
}

// A string variable's name: a name start, letters, digits or '_', then '$'
// (no length limit applied here).
inline bool is_string_variable_name(std::string_view s) {
  if (s.size() < 2 || s.back() != '$' || !is_name_start(s[0])) return false;
  for (std::size_t i = 1; i + 1 < s.size(); ++i)
    if (!(is_letter(s[i]) || is_digit(s[i]) || s[i] == '_')) return false;
  return true;
}

// The position of the ')' matching the '(' at s[0], double quotes respected;
// npos when there is none.
inline std::size_t matching_parenthesis(std::string_view s) {
  int depth = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '"') quoted = !quoted;
    if (quoted) continue;
    if (s[i] == '(') ++depth;
    if (s[i] == ')' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

}  // namespace tess
