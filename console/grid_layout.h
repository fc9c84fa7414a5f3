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

// scroll_to_fit for a layer that is mostly written at its end: what the last fit
// measured is kept, and a write that appended plain text is measured by itself
// rather than with the whole screen again. Anything else fits from scratch.
class GridFit {
 public:
  // After a write that began at `start` (TextLayer::WriteResult::start).
  void after_write(TextLayer& layer, const Grid& grid, int start);

 private:
  void measure(const TextLayer& layer, const LayoutBounds& bounds);
  void add_lines(std::string_view text, int from, int period);
  int bottom(int period) const { return complete_rows_ + (end_ - last_start_) / period + (end_ != 0 ? 1 : 0); }

  bool known_ = false;     // the fields below describe the layer at revision_
  uint64_t revision_ = 0;
  int complete_rows_ = 0;  // rows of the lines that end in '\n', their line ends included
  int last_start_ = 0;     // where the last line begins
  int end_ = 0;            // the text's length
};

}  // namespace tess
