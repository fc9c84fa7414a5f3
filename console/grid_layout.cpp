#include "console/grid_layout.h"

#include "interp/sjis.h"

namespace tess {

int rows_used(const TextLayer& layer, Grid grid) {
  const std::string_view text = layer.text();
  int x = 0, rows = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<uint8_t>(text[i]);
    int width = 1;
    std::size_t unit = 1;
    if (sjis::is_lead_byte(b)) {
      if (i + 1 >= text.size()) break;  // a lead byte before the terminator ends the walk
      width = 2, unit = 2;
    } else if (b == 0x01 && i + 1 < text.size() && text[i + 1] == 'L') {
      unit = 2;
    }
    i += unit;
    if (b == '\n') {
      x = 0, ++rows;
      continue;
    }
    x += width;
    if (x + width >= grid.columns) x = 0, ++rows;
  }
  if (!text.empty()) ++rows;
  return rows;
}

void scroll_to_fit(TextLayer& layer, Grid grid) {
  while (rows_used(layer, grid) > grid.rows) layer.scroll_first_line();
}

}  // namespace tess
