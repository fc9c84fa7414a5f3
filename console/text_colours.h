// The current text colours, stored with every written byte.
#pragma once
#include <cstdint>

namespace tess {

struct TextColours {
  uint32_t foreground = 0xFFFFFF;
  uint32_t background = 0;  // 0xFFFFFFFF: transparent
};

}  // namespace tess
