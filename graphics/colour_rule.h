// The colour rule: colour numbers 1-7 are the basic colours, a negative number
// -n is the RGB value n, anything else black. Point reads it backwards.
#pragma once
#include <cstdint>

namespace tess {

// 0x00BBGGRR, as GDI takes it. All bits set means a transparent background.
using Rgb = uint32_t;
inline constexpr Rgb kTransparentRgb = 0xFFFFFFFF;

Rgb colour_rgb(int32_t colour_number);

// The inverse: a basic colour's value gives its number 0-7, any other value
// minus the value.
int32_t colour_number_of(Rgb rgb);

// The RGB built-in: the low 8 bits of each component, as a negative colour number.
int32_t rgb_colour_number(int32_t red, int32_t green, int32_t blue);

}  // namespace tess
