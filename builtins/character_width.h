// Full-width and half-width forms of code page 932: printable ASCII and the
// half-width katakana against their double-byte forms. Our own table, so that
// every host converts alike whatever the system's code page.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

// The double-byte form of a single byte (lead byte high, trail byte low), or 0.
uint16_t full_width_form(uint8_t byte);

// The single byte whose double-byte form is lead/trail, or -1.
int half_width_form(uint8_t lead, uint8_t trail);

// Each single-byte character that has a double-byte form replaced by it;
// double-byte characters kept whole.
std::string to_full_width(std::string_view bytes);

// Each double-byte character that is the form of a single byte replaced by it.
std::string to_half_width(std::string_view bytes);

}  // namespace tess
