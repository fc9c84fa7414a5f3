// Shift-JIS (code page 932) byte classes and character walking.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tess::sjis {

// Lead bytes of double-byte characters: 0x81-0x9F and 0xE0-0xFC.
constexpr bool is_lead_byte(uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool is_lead_byte(char c) { return is_lead_byte(static_cast<uint8_t>(c)); }

// Bytes taken by the character at i: 2 for a lead byte with a byte after it, else 1.
// A lead byte at the very end counts as a character of its own, so no walk ever
// steps past the text.
constexpr std::size_t char_size(std::string_view s, std::size_t i) {
  return (is_lead_byte(s[i]) && i + 1 < s.size()) ? 2 : 1;
}

// Number of characters in the text.
constexpr std::size_t char_count(std::string_view s) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); i += char_size(s, i)) ++count;
  return count;
}

// Byte offset of the character with the given 0-based index; s.size() when the
// text has no such character.
constexpr std::size_t char_offset(std::string_view s, std::size_t index) {
  std::size_t i = 0;
  for (; i < s.size() && index > 0; --index) i += char_size(s, i);
  return i < s.size() ? i : s.size();
}

}  // namespace tess::sjis
