// The paint statement's flood fill over any pixel surface, with its fixed ring
// of pending segments.
#pragma once
#include <cstdint>

#include "graphics/colour_rule.h"

namespace tess {

class FillSurface {
 public:
  virtual ~FillSurface() = default;
  virtual int32_t width() const = 0;
  virtual int32_t height() const = 0;
  // Pixels outside the surface read as a value no colour rule gives (all bits set).
  virtual Rgb pixel(int32_t x, int32_t y) const = 0;
  // Paints columns left to right of row y in the paint colour.
  virtual void paint_span(int32_t left, int32_t right, int32_t y) = 0;
};

inline constexpr int kFillRing = 2048;

void flood_fill(FillSurface& surface, int32_t x, int32_t y, Rgb paint, Rgb border);

}  // namespace tess
