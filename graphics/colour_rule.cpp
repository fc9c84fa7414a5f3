#include "graphics/colour_rule.h"

#include <array>

namespace tess {
namespace {

// Indexed by colour number: black, blue, red, magenta, green, cyan, yellow, white.
constexpr std::array<Rgb, 8> kBasicColours = {0x000000, 0xFF0000, 0x0000FF, 0xFF00FF,
                                              0x00FF00, 0xFFFF00, 0x00FFFF, 0xFFFFFF};

}  // namespace

Rgb colour_rgb(int32_t colour_number) {
  // Unsigned negation: -(-2^31) has no signed value but a well-defined bit pattern.
  if (colour_number < 0) return 0u - static_cast<uint32_t>(colour_number);
  if (colour_number < static_cast<int32_t>(kBasicColours.size()))
    return kBasicColours[static_cast<std::size_t>(colour_number)];
  return 0x000000;
}

int32_t colour_number_of(Rgb rgb) {
  for (std::size_t n = 0; n < kBasicColours.size(); ++n)
    if (kBasicColours[n] == rgb) return static_cast<int32_t>(n);
  return static_cast<int32_t>(0u - rgb);
}

int32_t rgb_colour_number(int32_t red, int32_t green, int32_t blue) {
  const uint32_t value = (static_cast<uint32_t>(blue) & 0xFF) << 16 | (static_cast<uint32_t>(green) & 0xFF) << 8 |
                         (static_cast<uint32_t>(red) & 0xFF);
  return -static_cast<int32_t>(value);
}

}  // namespace tess
