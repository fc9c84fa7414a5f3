// Layout of a text layer on a grid of fixed cells (the headless console): the
// same wrapping rules as the painted console, one cell per byte.
#pragma once
#include "console/text_layer.h"

namespace tess {

struct Grid {
  int columns = 80;
  int rows = 25;
};

// Screen rows the text occupies, counting the row the text ends on.
int rows_used(const TextLayer& layer, Grid grid);

// Scrolls whole logical lines away until the text fits the grid.
void scroll_to_fit(TextLayer& layer, Grid grid);

}  // namespace tess
