// The code page 932 tables (generated into cp932_table.cpp by cp932_table.py).
#pragma once
#include <cstddef>
#include <cstdint>

namespace tess::cp932::table {

// Lead bytes 0x81-0x9F and 0xE0-0xFC, in this order; trail bytes 0x40-0xFC.
inline constexpr int kLeadCount = 60;
inline constexpr int kTrailCount = 0xFD - 0x40;

// The character of every single byte (lead bytes too: their entry is unused).
extern const uint16_t kSingle[256];
// The character of every lead byte and trail byte, row by row; U+30FB where the
// pair has none.
extern const uint16_t kDouble[kLeadCount * kTrailCount];

// A UTF-16 unit and its code page form (one byte below 0x100, else lead byte
// high, trail byte low), ordered by unit; units not listed have none.
struct Pair {
  uint16_t unit;
  uint16_t code;
};
extern const Pair kFromUnits[];
extern const std::size_t kPairCount;

}  // namespace tess::cp932::table
