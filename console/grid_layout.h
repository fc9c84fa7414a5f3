// Layout of a text layer on a grid of fixed cells (the headless console): the
// rules of the painted console with every byte one cell wide and every row one
// cell high.
#pragma once
#include "console/layout_walk.h"
#include "console/text_layer.h"

namespace tess {

struct Grid {
  int columns = 80;
  int rows = 25;
  TextArea area;  // in cells: columns x lines of the letter A
};

// Screen rows the text occupies, counting the row the text ends on.
int rows_used(const TextLayer& layer, const Grid& grid);

// Scrolls whole logical lines away until the text fits the grid.
void scroll_to_fit(TextLayer& layer, const Grid& grid);

}  // namespace tess
