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

// Where a walk stands: the pen position and the next byte.
struct WalkState {
  int x = 0, y = 0, i = 0;
};

// One step of the walk at s: a line end (unit.size 0) or one unit, and s moves
// past it. False when the walk ends at s (a zero byte, a lead byte without its
// trail byte, or the end of the layer). width_of(unit) is the unit's advance.
template <class WidthOf>
bool layout_step(const TextLayer& layer, const LayoutBounds& bounds, WalkState& s, WidthOf&& width_of, LayoutUnit& unit) {
  if (s.i >= TextLayer::kSize) return false;
  const uint8_t b = layer.byte(s.i);
  if (b == 0) return false;
  if (b == '\n') {
    unit = {s.i, 0, s.x, s.y, UnitKind::Glyph};
    s.x = 0, s.y += bounds.line_height;
    ++s.i;
    return true;
  }
  unit = {s.i, 1, s.x, s.y, UnitKind::Glyph};
  if (sjis::is_lead_byte(b)) {
    if (s.i + 1 >= TextLayer::kSize || layer.byte(s.i + 1) == 0) return false;
    unit.size = 2;
  } else if (b == 0x01 && s.i + 1 < TextLayer::kSize && layer.byte(s.i + 1) == 'L') {
    unit.size = 2;
    unit.kind = UnitKind::TransparentCell;
  }
  const int width = width_of(unit);
  s.x += width;
  if (s.x + width >= bounds.right || (bounds.area.on && s.x >= bounds.area.width)) s.x = 0, s.y += bounds.line_height;
  s.i += unit.size;
  return true;
}

// The bottom of a walk that ended at s.
inline int walk_bottom(const WalkState& s, const LayoutBounds& bounds) { return s.i != 0 ? s.y + bounds.line_height : s.y; }

// Walks the layer from byte 0. width_of(unit) is the unit's advance (a
// transparent cell is as wide as the letter L; a double-byte character is
// measured whole, as a lead byte measured alone may already count double);
// visit(unit) sees every unit that is not a line end.
template <class WidthOf, class Visit>
LayoutResult walk_layout(const TextLayer& layer, const LayoutBounds& bounds, WidthOf&& width_of, Visit&& visit) {
  LayoutResult result;
  WalkState s;
  LayoutUnit unit;
  for (;;) {
    if (s.i == layer.cursor && s.i < TextLayer::kSize) {
      result.caret_seen = true;
      result.caret = {s.x, s.y + bounds.line_height};
    }
    if (!layout_step(layer, bounds, s, width_of, unit)) break;
    if (unit.size != 0) visit(unit);
  }
  result.bottom = walk_bottom(s, bounds);
  return result;
}

// Too tall: the last row passes the client's bottom or the text area's height.
inline bool needs_scroll(const LayoutResult& r, const LayoutBounds& bounds) {
  return r.bottom > bounds.bottom || (bounds.area.on && r.bottom > bounds.area.height);
}

}  // namespace tess
