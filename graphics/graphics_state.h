// Process-wide graphics state that outlives run starts: the last point and the
// image table.
#pragma once
#include "graphics/figure_args.h"
#include "graphics/image_table.h"

namespace tess {

struct GraphicsState {
  Point32 last_point;
  ImageTable images;
};

}  // namespace tess
