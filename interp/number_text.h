// Numbers as text: the value text forms and the literal readers of the numeric
// evaluator. Written with std::to_chars so that every host gives the same bytes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

// The longest text any of the writers below produces, with room to spare.
inline constexpr std::size_t kNumberTextMax = 32;

// "%.14g", "%g" and "%d" into out (at least kNumberTextMax bytes); returns the length.
std::size_t write_number(double value, char* out);
std::size_t write_short_number(double value, char* out);
std::size_t write_integer(int64_t value, char* out);

std::string short_number_text(double value);  // "%g"
std::string integer_text(int64_t value);      // "%d"

// A decimal literal as the standard library's atof reads it: sign, digits,
// point, exponent; anything after that is ignored and no digits at all read 0.
double read_decimal(std::string_view token);

// &h / &o literals: the digits after the two-letter prefix, read with automatic
// base and saturated to a signed 32-bit value.
double read_based(std::string_view token);

}  // namespace tess
