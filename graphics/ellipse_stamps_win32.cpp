#include "graphics/ellipse_stamps_win32.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <tuple>
#include <vector>

#include "graphics/backing_bitmap_win32.h"
#include "system/gdi_handles_win32.h"

namespace tess {
namespace {

// The scratch picture's border: the outline may reach a pixel past the box.
constexpr int kMargin = 2;
constexpr int kLargestSide = 1024;
constexpr std::size_t kMostSizes = 4096;
constexpr uint32_t kOutlineMark = 0xFF0000, kInsideMark = 0x0000FF;

struct StampRun {
  int32_t y, left, right;  // right included; relative to the box's corner
  bool outline;
};

struct Stamp {
  int seen = 0;
  std::vector<StampRun> runs;  // empty until the size has been seen twice
};

using SizeKey = std::tuple<int32_t, int32_t, bool>;  // width, height, filled

// Ellipse(margin, margin, ...) drawn by GDI into a scratch DIB, read back as runs.
std::vector<StampRun> trace(int32_t width, int32_t height, bool filled, HDC like) {
  const int32_t w = width + 2 * kMargin, h = height + 2 * kMargin;
  const BITMAPINFO info = top_down_rgb32({w, h});
  void* bits = nullptr;
  const MadeDC scratch = memory_dc_like(like);
  HDC dc = scratch.get();
  const Bitmap dib(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  std::vector<StampRun> runs;
  if (dc && dib) {
    const Pen pen(CreatePen(PS_SOLID, 1, RGB(0xFF, 0, 0)));
    const Brush brush(filled ? CreateSolidBrush(RGB(0, 0, 0xFF)) : nullptr);
    const Selected picture(dc, dib.get()), outline(dc, pen.get());
    const Selected inside(dc, brush ? static_cast<HGDIOBJ>(brush.get()) : GetStockObject(NULL_BRUSH));
    Ellipse(dc, kMargin, kMargin, kMargin + width, kMargin + height);
    GdiFlush();
    const auto* pixels = static_cast<const uint32_t*>(bits);
    for (int32_t y = 0; y < h; ++y) {
      const uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * w;
      for (int32_t x = 0; x < w;) {
        const uint32_t mark = row[x] & 0xFFFFFF;
        int32_t end = x + 1;
        while (end < w && (row[end] & 0xFFFFFF) == mark) ++end;
        if (mark == kOutlineMark || mark == kInsideMark)
          runs.push_back({y - kMargin, x - kMargin, end - 1 - kMargin, mark == kOutlineMark});
        x = end;
      }
    }
  }
  return runs;
}

void write_runs(const std::vector<StampRun>& runs, uint32_t* pixels, SIZE size, POINT corner, uint32_t outline,
                uint32_t inside) {
  for (const StampRun& run : runs) {
    const int64_t y = int64_t{corner.y} + run.y;
    if (y < 0 || y >= size.cy) continue;
    const int64_t left = std::max<int64_t>(int64_t{corner.x} + run.left, 0);
    const int64_t right = std::min<int64_t>(int64_t{corner.x} + run.right, size.cx - 1);
    if (left > right) continue;
    uint32_t* row = pixels + y * size.cx;
    std::fill(row + left, row + right + 1, run.outline ? outline : inside);
  }
}

bool stamps_switched_off() {
  static const bool off = std::getenv("TESS_NO_STAMPS") != nullptr;
  return off;
}

}  // namespace

bool draw_stamped_ellipse(WindowRecord& record, SIZE bitmap_size, RECT box, COLORREF outline,
                          std::optional<COLORREF> inside) {
  const int64_t width = int64_t{box.right} - box.left, height = int64_t{box.bottom} - box.top;
  if (!record.pixels() || stamps_switched_off() || width <= 0 || height <= 0 || width > kLargestSide ||
      height > kLargestSide || (outline >> 24) != 0 || (inside && (*inside >> 24) != 0))
    return false;
  static std::map<SizeKey, Stamp> stamps;  // used under the surface lock only
  if (stamps.size() >= kMostSizes) stamps.clear();
  Stamp& stamp = stamps[{static_cast<int32_t>(width), static_cast<int32_t>(height), inside.has_value()}];
  if (stamp.seen < 2) {
    if (++stamp.seen < 2) return false;
    stamp.runs = trace(static_cast<int32_t>(width), static_cast<int32_t>(height), inside.has_value(), record.memory_dc());
  }
  if (stamp.runs.empty()) return false;  // nothing traced (or nothing to draw): GDI decides
  GdiFlush();  // GDI's own drawing into these pixels has to land first
  write_runs(stamp.runs, record.pixels(), bitmap_size, {box.left, box.top}, pixel_of(outline),
             pixel_of(inside.value_or(0)));
  return true;
}

}  // namespace tess
