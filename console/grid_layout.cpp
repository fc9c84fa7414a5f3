#include "console/grid_layout.h"

#include <cstdint>
#include <cstring>

namespace tess {
namespace {

LayoutBounds bounds_of(const Grid& grid) { return {1, grid.columns, grid.rows, grid.area}; }

// A line of single cells wraps every period cells (see walk_line).
int period_of(const LayoutBounds& bounds) { return bounds.right >= 2 ? bounds.right - 1 : 1; }

// The walk of walk_layout taken one logical line at a time: x starts at 0 on
// every line, so a line's rows do not depend on the lines before it. Every
// printed line costs one pass over the layer, not two or more whole layouts.
struct LineWalk {
  int rows = 0;     // row advances inside the line, its line end included
  int next = 0;     // where the walk goes on
  bool last = false;  // the walk stops here (zero byte, lead byte at the end)
};

// Bytes that are one cell and one unit each: not the zero byte, not the escape
// mark, not '\n', and below the Shift-JIS range.
bool is_single_cell(uint8_t b) { return b >= 0x02 && b < 0x80 && b != '\n'; }

// No byte of the text is the escape mark or from the Shift-JIS range (0x80 up):
// every byte but '\n' is one cell. Eight bytes at a time.
bool only_single_cells(std::string_view text) {
  constexpr uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t w;
    std::memcpy(&w, text.data() + i, 8);
    if ((w & kHighs) || ((w - 2 * kOnes) & ~w & kHighs)) return false;  // a byte from 0x80, or below 2
  }
  for (; i < text.size(); ++i)
    if (static_cast<uint8_t>(text[i]) < 0x02 || static_cast<uint8_t>(text[i]) >= 0x80) return false;
  return true;
}

// text is layer.text(), measured once by the caller.
LineWalk walk_line(const TextLayer& layer, std::string_view text, int i, const LayoutBounds& bounds) {
  LineWalk w;
  int x = 0;
  // A line of single cells on a grid without a text area wraps every
  // (right - 1) cells, as the walk below would find one cell at a time.
  if (!bounds.area.on) {
    const auto from = static_cast<std::size_t>(i);
    const void* nl = from < text.size() ? std::memchr(text.data() + from, '\n', text.size() - from) : nullptr;
    const std::size_t end = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - text.data()) : text.size();
    bool plain = true;
    for (std::size_t k = from; k < end; ++k) plain &= is_single_cell(static_cast<uint8_t>(text[k]));
    if (plain) {
      const int period = period_of(bounds);
      const int cells = static_cast<int>(end - from);
      w.rows = cells / period;
      if (nl) {
        w.rows += 1;
        w.next = static_cast<int>(end) + 1;
      } else {
        w.next = static_cast<int>(end);
        w.last = true;
      }
      return w;
    }
  }
  for (; i < TextLayer::kSize;) {
    const uint8_t b = layer.byte(i);
    if (b == 0) break;
    if (b == '\n') return {w.rows + 1, i + 1, false};
    int size = 1, width = 1;
    if (sjis::is_lead_byte(b)) {
      if (i + 1 >= TextLayer::kSize || layer.byte(i + 1) == 0) break;
      size = width = 2;
    } else if (b == 0x01 && i + 1 < TextLayer::kSize && layer.byte(i + 1) == 'L') {
      size = 2;
    }
    x += width;
    if (x + width >= bounds.right || (bounds.area.on && x >= bounds.area.width)) x = 0, ++w.rows;
    i += size;
  }
  w.next = i;
  w.last = true;
  return w;
}

struct Extent {
  int bottom = 0;
  int end = 0;  // where the walk stopped
};

Extent extent_of(const TextLayer& layer, const LayoutBounds& bounds) {
  Extent e;
  const std::string_view text = layer.text();
  if (!bounds.area.on && only_single_cells(text)) {
    // Each line's rows from its length alone (see walk_line).
    const int period = period_of(bounds);
    std::size_t from = 0;
    for (;;) {
      const void* nl = std::memchr(text.data() + from, '\n', text.size() - from);
      const std::size_t end = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - text.data()) : text.size();
      e.bottom += static_cast<int>(end - from) / period;
      if (!nl) break;
      e.bottom += 1;
      from = end + 1;
    }
    e.end = static_cast<int>(text.size());
    if (e.end != 0) e.bottom += bounds.line_height;
    return e;
  }
  for (int i = 0;;) {
    const LineWalk w = walk_line(layer, text, i, bounds);
    e.bottom += w.rows;
    i = w.next;
    if (w.last) {
      e.end = i;
      break;
    }
  }
  if (e.end != 0) e.bottom += bounds.line_height;
  return e;
}

}  // namespace

void GridFit::add_lines(std::string_view text, int from, int period) {
  for (auto nl = text.find('\n', static_cast<std::size_t>(from)); nl != std::string_view::npos;
       nl = text.find('\n', nl + 1)) {
    complete_rows_ += (static_cast<int>(nl) - last_start_) / period + 1;
    last_start_ = static_cast<int>(nl) + 1;
  }
  end_ = static_cast<int>(text.size());
}

void GridFit::measure(const TextLayer& layer, const LayoutBounds& bounds) {
  const std::string_view text = layer.text();
  revision_ = layer.revision();
  known_ = !bounds.area.on && only_single_cells(text);
  complete_rows_ = last_start_ = 0;
  if (known_) add_lines(text, 0, period_of(bounds));
}

void GridFit::after_write(TextLayer& layer, const Grid& grid, int start) {
  const LayoutBounds bounds = bounds_of(grid);
  std::string_view text = layer.text();
  const bool appended = known_ && layer.revision() == revision_ + 1 && start == end_ && !bounds.area.on &&
                        static_cast<int>(text.size()) >= end_ && only_single_cells(text.substr(static_cast<std::size_t>(end_)));
  if (!appended) {
    scroll_to_fit(layer, grid);
    measure(layer, bounds);
    return;
  }
  const int period = period_of(bounds);
  add_lines(text, end_, period);
  while (end_ > 0 && needs_scroll(LayoutResult{bottom(period), false, {}}, bounds)) {
    const auto nl = text.find('\n');
    layer.scroll_first_line();  // cuts through the first '\n', or everything without one
    if (nl == std::string_view::npos) {
      complete_rows_ = last_start_ = end_ = 0;
    } else {
      const int cut = static_cast<int>(nl) + 1;
      complete_rows_ -= static_cast<int>(nl) / period + 1;
      last_start_ -= cut;
      end_ -= cut;
    }
    text = layer.text();
  }
  revision_ = layer.revision();
}

int rows_used(const TextLayer& layer, const Grid& grid) { return extent_of(layer, bounds_of(grid)).bottom; }

void scroll_to_fit(TextLayer& layer, const Grid& grid) {
  const LayoutBounds bounds = bounds_of(grid);
  Extent e = extent_of(layer, bounds);
  while (layer.length() > 0 && needs_scroll(LayoutResult{e.bottom, false, {}}, bounds)) {
    const std::string_view text = layer.text();
    const LineWalk first = walk_line(layer, text, 0, bounds);
    const auto nl = text.find('\n');
    layer.scroll_first_line();
    // The scroll cuts at the first '\n'; when the walk's first line ended
    // there too, the rest keeps its rows. (A lead byte before that '\n' takes
    // it as its trail byte: then the rest is walked again.)
    if (nl != std::string_view::npos && !first.last && first.next == static_cast<int>(nl) + 1) {
      e.bottom -= first.rows + (e.end != 0 ? bounds.line_height : 0);
      e.end -= first.next;
      if (e.end != 0) e.bottom += bounds.line_height;
    } else {
      e = extent_of(layer, bounds);
    }
  }
}

}  // namespace tess
