#include "graphics/flood_fill.h"

#include <array>

namespace tess {
namespace {

struct Segment {
  int32_t left = 0, right = 0, row = 0, parent = 0;
};

// The ring overwrites its oldest entries when more than 2048 are pending; when
// the tail catches up with the head the fill ends.
class SegmentRing {
 public:
  bool empty() const { return head_ == tail_; }
  Segment take() {
    const Segment s = ring_[head_];
    head_ = (head_ + 1) % kFillRing;
    return s;
  }
  void put(const Segment& s) {
    ring_[tail_] = s;
    tail_ = (tail_ + 1) % kFillRing;
  }

 private:
  std::array<Segment, kFillRing> ring_{};
  std::size_t head_ = 0, tail_ = 0;
};

class Fill {
 public:
  Fill(FillSurface& s, Rgb paint, Rgb border) : s_(s), paint_(paint), border_(border) {}

  void run(int32_t x, int32_t y) {
    ring_.put({x, x, y, y});
    while (!ring_.empty()) step(ring_.take());
  }

 private:
  bool is_border(int32_t x, int32_t y) const { return s_.pixel(x, y) == border_; }

  void step(const Segment& seg) {
    const int32_t y = seg.row;
    if (s_.pixel(seg.left, y) == paint_) return;
    int32_t right = seg.right;
    while (right < s_.width() - 1 && !is_border(right + 1, y)) ++right;
    int32_t left = seg.left;
    while (left > 0 && !is_border(left - 1, y)) --left;
    s_.paint_span(left, right, y);
    if (y - 1 >= 0) scan_neighbour(seg, left, right, y - 1);
    if (y + 1 < s_.height()) scan_neighbour(seg, left, right, y + 1);
  }

  // The parent row needs only the parts the extension added.
  void scan_neighbour(const Segment& seg, int32_t left, int32_t right, int32_t row) {
    if (row == seg.parent) {
      scan(left, seg.left - 1, row, seg.row);
      scan(seg.right + 1, right, row, seg.row);
    } else {
      scan(left, right, row, seg.row);
    }
  }

  void scan(int32_t a, int32_t b, int32_t row, int32_t parent) {
    int32_t j = a;
    while (j <= b) {
      while (j < b && is_border(j, row)) ++j;
      if (is_border(j, row)) return;
      const int32_t start = j;
      while (j <= b && !is_border(j, row)) ++j;
      ring_.put({start, j - 1, row, parent});
    }
  }

  FillSurface& s_;
  Rgb paint_, border_;
  SegmentRing ring_;
};

}  // namespace

void flood_fill(FillSurface& surface, int32_t x, int32_t y, Rgb paint, Rgb border) {
  // A seed off the surface would walk billions of unreadable pixels; it fills nothing.
  if (x < 0 || y < 0 || x >= surface.width() || y >= surface.height()) return;
  Fill(surface, paint, border).run(x, y);
}

}  // namespace tess
