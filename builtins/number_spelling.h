// Numbers spelt out in fixed notation and in other bases, the same bytes on every
// host (std::to_chars, not the C library's printf).
#pragma once
#include <cstdint>
#include <string>

namespace tess {

// "%.*f" of the value, or "%+.*f" with plus: exact decimal expansion, correctly
// rounded. Infinities and NaN read "inf", "-inf", "nan".
std::string fixed_notation(double value, int decimals, bool plus = false);

// "%X" (base 16, upper case) or "%o" (base 8) of the value.
std::string unsigned_digits(uint32_t value, int base);

}  // namespace tess
