// Ellipses drawn again by their pixels. Wine traces an ellipse one pixel-long
// segment at a time (about 12 µs at a radius of 45), while a program's circles
// mostly come in few sizes. So the second time a size is drawn, GDI draws it
// once into a scratch bitmap, its rows are kept as runs of outline and inside,
// and from then on those runs are written straight into the backing bitmap's
// pixels: the same pixels GDI would write, as GDI's figures do not change shape
// when moved by whole pixels.
#pragma once
#include <windows.h>

#include <optional>

#include "windows/window_table_win32.h"

namespace tess {

// Draws Ellipse(box) with a 1-pixel solid pen of outline and, when given, a solid
// brush of inside into the record's bitmap; false when GDI has to draw it itself
// (a size seen once, a huge one, a bitmap whose pixels are not reachable, or
// TESS_NO_STAMPS set). Called under the surface lock.
bool draw_stamped_ellipse(WindowRecord& record, SIZE bitmap_size, RECT box, COLORREF outline,
                          std::optional<COLORREF> inside);

}  // namespace tess
