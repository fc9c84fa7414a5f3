// The operator characters and tokens of numeric expressions.
#pragma once
#include <cstddef>
#include <string_view>

namespace tess {

inline constexpr char kNotToken = '!';

// The operator words and the letter after 0x01 that stands for each (the
// tokeniser writes them, diagnostics read them back).
struct OperatorWord {
  std::string_view word;
  char letter;
};
inline constexpr OperatorWord kOperatorWords[] = {
    {"AND", '&'}, {"OR", '|'}, {"XOR", 'e'}, {"MOD", 'm'}, {"NOT", '!'},
};

inline bool is_operator_char(char c) {
  switch (c) {
    case '+': case '-': case '*': case '/': case '\\': case '^': case '<': case '=': case '>': return true;
    default: return false;
  }
}

inline bool is_operator_letter(char c) { return c == '&' || c == '|' || c == '!' || c == 'e' || c == 'm'; }

// An operator boundary: an operator character, or 0x01 followed by &, |, !, e or m.
inline bool is_operator_boundary(std::string_view s, std::size_t i) {
  if (i >= s.size()) return false;
  if (s[i] == '\x01') return i + 1 < s.size() && is_operator_letter(s[i + 1]);
  return is_operator_char(s[i]);
}

// The logical operator tokens that divide a condition: and, or, not, xor.
inline bool is_logical_token(std::string_view s, std::size_t i) {
  if (i + 1 >= s.size() || s[i] != '\x01') return false;
  const char c = s[i + 1];
  return c == '&' || c == '|' || c == '!' || c == 'e';
}

}  // namespace tess
