// Cutting print items: at ',' or ';' outside double quotes and parentheses.
#pragma once
#include <cstddef>
#include <string_view>

namespace tess {

// Index of the separator that ends the item starting at start, or text.size().
constexpr std::size_t item_end(std::string_view text, std::size_t start) {
  bool quoted = false;
  int depth = 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (depth == 0 && (c == ',' || c == ';')) return i;
  }
  return text.size();
}

}  // namespace tess
