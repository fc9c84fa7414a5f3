// Shift-JIS (code page 932) byte classes.
#pragma once
#include <cstdint>

namespace tess::sjis {

// Lead bytes of double-byte characters: 0x81-0x9F and 0xE0-0xFC.
constexpr bool is_lead_byte(uint8_t b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool is_lead_byte(char c) { return is_lead_byte(static_cast<uint8_t>(c)); }

}  // namespace tess::sjis
