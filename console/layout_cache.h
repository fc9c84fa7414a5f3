// A text layer's layout kept between writes: where the walk ended and where each
// logical line starts. Text appended at the end is laid out from where the last
// walk stopped, and a scrolled-away first line moves the rest up without a new
// walk, so printing costs a walk over the new bytes only.
#pragma once
#include <cstdint>
#include <vector>

#include "console/layout_walk.h"

namespace tess {

struct LineStart {
  int index = 0;  // first byte of the logical line
  int y = 0;      // its first row
};

inline bool same_bounds(const LayoutBounds& a, const LayoutBounds& b) {
  return a.line_height == b.line_height && a.right == b.right && a.bottom == b.bottom && a.area.on == b.area.on &&
         a.area.width == b.area.width && a.area.height == b.area.height;
}

class LayoutCache {
 public:
  // True when the layer is what the cache last saw, under the same bounds.
  bool fits(const TextLayer& layer, const LayoutBounds& bounds) const {
    return valid_ && revision_ == layer.revision() && same_bounds(bounds_, bounds);
  }
  void invalidate() { valid_ = false; }

  // Lays the whole layer out.
  template <class WidthOf>
  LayoutResult rebuild(const TextLayer& layer, const LayoutBounds& bounds, WidthOf&& width_of) {
    bounds_ = bounds;
    end_ = {};
    lines_.assign(1, LineStart{});
    const LayoutResult result = walk(layer, width_of);
    valid_ = true;
    revision_ = layer.revision();
    return result;
  }

  // Lays out the bytes written since the last layout, which all follow the
  // text the cache saw (the layer was written in append mode at its end).
  template <class WidthOf>
  LayoutResult extend(const TextLayer& layer, WidthOf&& width_of) {
    const LayoutResult result = walk(layer, width_of);
    revision_ = layer.revision();
    return result;
  }

  // Follows a scroll that cut the first cut bytes (the first logical line).
  // False when the walk's lines do not start there (a lead byte took the line
  // end as its trail byte): then the layer must be laid out again.
  bool scrolled(const TextLayer& layer, int cut) {
    if (lines_.size() < 2) {
      if (cut != end_.i) return false;
      end_ = {};
      lines_.assign(1, LineStart{});
    } else {
      if (lines_[1].index != cut) return false;
      const int dy = lines_[1].y;
      lines_.erase(lines_.begin());
      for (LineStart& l : lines_) l.index -= cut, l.y -= dy;
      end_.i -= cut, end_.y -= dy;
    }
    revision_ = layer.revision();
    return true;
  }

  int bottom() const { return walk_bottom(end_, bounds_); }
  const WalkState& end() const { return end_; }
  const LayoutBounds& bounds() const { return bounds_; }

 private:
  // Walks from the end state; the caret is seen when the cursor lies on the way.
  template <class WidthOf>
  LayoutResult walk(const TextLayer& layer, WidthOf&& width_of) {
    LayoutResult result;
    LayoutUnit unit;
    for (;;) {
      if (end_.i == layer.cursor && end_.i < TextLayer::kSize) {
        result.caret_seen = true;
        result.caret = {end_.x, end_.y + bounds_.line_height};
      }
      if (!layout_step(layer, bounds_, end_, width_of, unit)) break;
      if (unit.size == 0) lines_.push_back({end_.i, end_.y});
    }
    result.bottom = bottom();
    return result;
  }

  bool valid_ = false;
  uint64_t revision_ = 0;
  LayoutBounds bounds_;
  WalkState end_;
  std::vector<LineStart> lines_{LineStart{}};
};

}  // namespace tess
