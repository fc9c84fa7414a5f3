// The layout rules of a text layer, shared by the painted console (pixels) and
// the headless grid (cells): units, wrapping, the caret point, and when the text
// is too tall and must scroll.
#pragma once
#include <cstdint>

#include "console/text_layer.h"
#include "interp/sjis.h"

namespace tess {

// The console text-area setting: when on, wrapping and scrolling also obey it.
struct TextArea {
  bool on = false;
  int width = 0, height = 0;  // in the surface's units
};

enum class UnitKind { Glyph, TransparentCell };

// One drawable unit: a byte, a double-byte character, or an escaped blank.
struct LayoutUnit {
  int index = 0;  // first byte
  int size = 1;   // bytes
  int x = 0, y = 0;
  UnitKind kind = UnitKind::Glyph;
  int last() const { return index + size - 1; }  // its colours are this byte's
};

struct LayoutPoint {
  int x = 0, y = 0;
};

struct LayoutResult {
  int bottom = 0;        // y below the last row (0 for an empty text)
  bool caret_seen = false;
  LayoutPoint caret;     // (x, bottom of the cursor's row)
};

struct LayoutBounds {
  int line_height = 1;
  int right = 80;         // the client's right edge
  int bottom = 25;        // the client's bottom edge
  TextArea area;
};

// Walks the layer from byte 0. width_of(unit) is the unit's advance (a
// transparent cell is as wide as the letter L; a double-byte character is
// measured whole, as a lead byte measured alone may already count double);
// visit(unit) sees every unit that is not a line end.
template <class WidthOf, class Visit>
LayoutResult walk_layout(const TextLayer& layer, const LayoutBounds& bounds, WidthOf&& width_of, Visit&& visit) {
  LayoutResult result;
  int x = 0, y = 0, i = 0;
  for (; i < TextLayer::kSize;) {
    if (i == layer.cursor) {
      result.caret_seen = true;
      result.caret = {x, y + bounds.line_height};
    }
    const uint8_t b = layer.byte(i);
    if (b == 0) break;
    if (b == '\n') {
      x = 0, y += bounds.line_height;
      ++i;
      continue;
    }
    LayoutUnit unit{i, 1, x, y, UnitKind::Glyph};
    if (sjis::is_lead_byte(b)) {
      if (i + 1 >= TextLayer::kSize || layer.byte(i + 1) == 0) break;
      unit.size = 2;
    } else if (b == 0x01 && i + 1 < TextLayer::kSize && layer.byte(i + 1) == 'L') {
      unit.size = 2;
      unit.kind = UnitKind::TransparentCell;
    }
    visit(unit);
    const int width = width_of(unit);
    x += width;
    if (x + width >= bounds.right || (bounds.area.on && x >= bounds.area.width)) x = 0, y += bounds.line_height;
    i += unit.size;
  }
  if (i != 0) y += bounds.line_height;
  result.bottom = y;
  return result;
}

// Too tall: the last row passes the client's bottom or the text area's height.
inline bool needs_scroll(const LayoutResult& r, const LayoutBounds& bounds) {
  return r.bottom > bounds.bottom || (bounds.area.on && r.bottom > bounds.area.height);
}

}  // namespace tess
