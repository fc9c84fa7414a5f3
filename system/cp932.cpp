#include "system/cp932.h"

#include <algorithm>
#include <cstdint>

#include "interp/sjis.h"
#include "system/cp932_table.h"

namespace tess::cp932 {
namespace {

int lead_row(uint8_t lead) { return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0xA0 - 0x81); }

char16_t double_character(uint8_t lead, uint8_t trail) {
  if (trail < 0x40 || trail > 0xFC) return kNoCharacter;
  return table::kDouble[lead_row(lead) * table::kTrailCount + (trail - 0x40)];
}

}  // namespace

std::u16string to_utf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<uint8_t>(text[i]);
    if (!sjis::is_lead_byte(b)) {
      out += static_cast<char16_t>(table::kSingle[b]);
    } else if (i + 1 < text.size() && text[i + 1] != '\0') {
      out += double_character(b, static_cast<uint8_t>(text[++i]));
    } else {
      out += kNoCharacter;
    }
  }
  return out;
}

std::string form_of(char16_t unit) {
  if (unit < 0x80) return std::string(1, static_cast<char>(unit));
  const table::Pair* end = table::kFromUnits + table::kPairCount;
  const table::Pair* found =
      std::lower_bound(table::kFromUnits, end, unit, [](const table::Pair& p, char16_t u) { return p.unit < u; });
  if (found == end || found->unit != unit) return std::string(1, kNoForm);
  if (found->code < 0x100) return std::string(1, static_cast<char>(found->code));
  return {static_cast<char>(found->code >> 8), static_cast<char>(found->code & 0xFF)};
}

std::string_view first_bytes(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size() && end + sjis::char_size(text, end) <= limit) end += sjis::char_size(text, end);
  return text.substr(0, end);
}

std::string from_utf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (const char16_t unit : text) {
    if (unit < 0x80) out += static_cast<char>(unit);
    else out += form_of(unit);
  }
  return out;
}

}  // namespace tess::cp932
