// Process-wide graphics state that outlives run starts: the last point, the
// image table and the compiled argument forms.
#pragma once
#include "graphics/argument_forms.h"
#include "graphics/figure_args.h"
#include "graphics/image_table.h"

namespace tess {

struct GraphicsState {
  Point32 last_point;
  ImageTable images;
  ArgumentForms arguments;
};

}  // namespace tess
