// The number a text spells: decimal, or octal and hexadecimal after &o / &h.
#pragma once
#include <string_view>

namespace tess {

// Blanks, tabs and double quotes are dropped; the number runs over the digits
// of its base (and '.' in base 10) and the first sign; anything else ends it.
// A base-8 or base-16 number with a leading minus is 0; they saturate at the
// signed 32-bit limits.
double string_to_number(std::string_view text);

}  // namespace tess
