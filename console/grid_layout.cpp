#include "console/grid_layout.h"

namespace tess {
namespace {

LayoutBounds bounds_of(const Grid& grid) { return {1, grid.columns, grid.rows, grid.area}; }

LayoutResult lay_out(const TextLayer& layer, const Grid& grid) {
  return walk_layout(layer, bounds_of(grid), [](const LayoutUnit& u) { return u.kind == UnitKind::TransparentCell ? 1 : u.size; }, [](const LayoutUnit&) {});
}

}  // namespace

int rows_used(const TextLayer& layer, const Grid& grid) { return lay_out(layer, grid).bottom; }

void scroll_to_fit(TextLayer& layer, const Grid& grid) {
  while (layer.length() > 0 && needs_scroll(lay_out(layer, grid), bounds_of(grid))) layer.scroll_first_line();
}

}  // namespace tess
