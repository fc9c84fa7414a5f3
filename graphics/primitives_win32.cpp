// Point, erase point, line, circle and paint on the current text window and its
// backing bitmap.
#include <algorithm>
#include <optional>
#include <vector>

#include "graphics/argument_text.h"
#include "graphics/backing_bitmap_win32.h"
#include "graphics/circle_geometry.h"
#include "graphics/colour_rule.h"
#include "graphics/ellipse_stamps_win32.h"
#include "graphics/figure_args.h"
#include "graphics/flood_fill.h"
#include "graphics/graphics_handlers.h"
#include "graphics/surface_win32.h"
#include "interp/interpreter.h"
#include "session/session.h"
#include "system/gdi_handles_win32.h"
#include "system/win32_services.h"
#include "windows/display_win32.h"

namespace tess {
namespace {

// Polyline draws each segment as LineTo does (the end pixel left out), in one
// call where MoveToEx and LineTo take two.
void line_with_end(HDC dc, Point32 from, Point32 to, Rgb rgb) {
  const POINT ends[2] = {{from.x, from.y}, {to.x, to.y}};
  Polyline(dc, ends, 2);
  SetPixel(dc, to.x, to.y, rgb);
}

void box_sides(HDC dc, Point32 a, Point32 b) {
  const POINT corners[5] = {{a.x, a.y}, {a.x, b.y}, {b.x, b.y}, {b.x, a.y}, {a.x, a.y}};
  Polyline(dc, corners, 5);
}

// The backing bitmap's pixels, read once into memory so that the fill does not
// ask GDI for every pixel; spans go to both the copy and the bitmap.
class BitmapFillSurface : public FillSurface {
 public:
  BitmapFillSurface(WindowRecord& record, SIZE size) : dc_(record.memory_dc()), size_(size) {
    pixels_.resize(static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy));
    BITMAPINFO info = top_down_rgb32(size);
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(dc_, OBJ_BITMAP));
    GetDIBits(dc_, bitmap, 0, static_cast<UINT>(size.cy), pixels_.data(), &info, DIB_RGB_COLORS);
    for (uint32_t& p : pixels_) p = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);  // BGRA to COLORREF
  }
  void set_paint(Rgb paint) { paint_ = paint; }
  int32_t width() const override { return size_.cx; }
  int32_t height() const override { return size_.cy; }
  Rgb pixel(int32_t x, int32_t y) const override {
    if (x < 0 || y < 0 || x >= size_.cx || y >= size_.cy) return CLR_INVALID;
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.cx) + static_cast<std::size_t>(x)];
  }
  void paint_span(int32_t left, int32_t right, int32_t y) override {
    MoveToEx(dc_, left, y, nullptr);
    LineTo(dc_, right + 1, y);
    for (int32_t x = std::max(left, 0); x <= right && x < size_.cx; ++x)
      pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(size_.cx) + static_cast<std::size_t>(x)] = paint_;
  }

 private:
  HDC dc_;
  SIZE size_;
  Rgb paint_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace

void stmt_pset(Exec& ex, std::string_view args) {
  const PointArgs p = parse_point(ex.in, args);
  ex.session().graphics.last_point = p.at;
  DrawingSurfaces s(win32(ex).display);
  s.draw([&](HDC dc) { SetPixel(dc, p.at.x, p.at.y, colour_rgb(p.colour)); });
  s.touched(p.at.x, p.at.y, int64_t{p.at.x} + 1, int64_t{p.at.y} + 1);
}

// A transparent background has no colour to erase with: nothing is drawn.
void stmt_preset(Exec& ex, std::string_view args) {
  const Point32 at = parse_lone_pair(ex.in, args, "erase point");
  const Rgb background = ex.session().colours.background;
  if (background == kTransparentRgb) return;
  DrawingSurfaces s(win32(ex).display);
  s.draw([&](HDC dc) { SetPixel(dc, at.x, at.y, background); });
  s.touched(at.x, at.y, int64_t{at.x} + 1, int64_t{at.y} + 1);
}

void draw_line(Exec& ex, std::string_view stripped) {
  const LineArgs line = parse_line(ex.in, stripped, ex.session().graphics.last_point);
  const Rgb colour = colour_rgb(line.colour);
  DrawingSurfaces s(win32(ex).display);
  s.select_kept_pen(s.pen(colour));
  if (line.mode == LineMode::FilledBox) s.select(s.brush(colour_rgb(line.fill_colour)));
  if (line.mode == LineMode::Line) {
    s.draw([&](HDC dc) { line_with_end(dc, line.start, line.end, colour); });
  } else {
    s.draw([&](HDC dc) { box_sides(dc, line.start, line.end); });
    if (line.mode == LineMode::FilledBox)
      s.draw([&](HDC dc) { Rectangle(dc, line.start.x, line.start.y, line.end.x, line.end.y); });
  }
  s.touched(std::min(line.start.x, line.end.x), std::min(line.start.y, line.end.y),
            int64_t{std::max(line.start.x, line.end.x)} + 1, int64_t{std::max(line.start.y, line.end.y)} + 1);
  ex.session().graphics.last_point = line.end;
}

namespace {

void draw_circle_with_gdi(DrawingSurfaces& s, const CircleArgs& circle, const CirclePlan& plan) {
  s.select(s.pen(colour_rgb(circle.colour)));
  s.select(circle.fill ? s.brush(colour_rgb(circle.fill_colour)) : GetStockObject(NULL_BRUSH));
  s.draw([&](HDC dc) {
    const Point32 a = plan.start_radial, b = plan.end_radial;
    switch (plan.figure) {
      case CircleFigure::FilledEllipse: Ellipse(dc, plan.left, plan.top, plan.right, plan.bottom); break;
      // An Arc that starts and ends at one point can leave a gap there (Wine does),
      // and paint then runs out through it; Ellipse with the hollow brush selected
      // draws the same closed outline.
      case CircleFigure::ClosedArc: Ellipse(dc, plan.left, plan.top, plan.right, plan.bottom); break;
      case CircleFigure::Arc: Arc(dc, plan.left, plan.top, plan.right, plan.bottom, a.x, a.y, b.x, b.y); break;
      case CircleFigure::Pie: Pie(dc, plan.left, plan.top, plan.right, plan.bottom, a.x, a.y, b.x, b.y); break;
    }
  });
}

bool draw_circle_stamped(DrawingSurfaces& s, const CircleArgs& circle, const CirclePlan& plan) {
  if (!s.record() || (plan.figure != CircleFigure::FilledEllipse && plan.figure != CircleFigure::ClosedArc))
    return false;
  std::optional<COLORREF> inside;
  if (plan.figure == CircleFigure::FilledEllipse) inside = colour_rgb(circle.fill_colour);
  return draw_stamped_ellipse(*s.record(), s.screen(), {plan.left, plan.top, plan.right, plan.bottom},
                              colour_rgb(circle.colour), inside);
}

}  // namespace

void stmt_circle(Exec& ex, std::string_view args) {
  const CircleArgs circle = parse_circle(ex.in, args);
  const CirclePlan plan = plan_circle(circle);
  DrawingSurfaces s(win32(ex).display);
  if (!draw_circle_stamped(s, circle, plan)) draw_circle_with_gdi(s, circle, plan);
  // A pixel of margin: the figure's outline may reach its box's right and bottom edge.
  s.touched(int64_t{plan.left} - 1, int64_t{plan.top} - 1, int64_t{plan.right} + 2, int64_t{plan.bottom} + 2);
}

void stmt_paint(Exec& ex, std::string_view args) {
  const PaintArgs paint = parse_paint(ex.in, args);
  Win32Services& services = win32(ex);
  WindowRecord* record = services.display.current_record();
  if (!record) return;  // no backing bitmap to fill
  const Rgb paint_rgb = colour_rgb(paint.paint_colour);
  {
    const Pen pen(CreatePen(PS_SOLID, 1, paint_rgb));
    const auto backing = services.display.windows.lock_backing_bitmaps();
    const Selected spans(record->memory_dc(), pen.get());
    BitmapFillSurface surface(*record, services.display.screen);
    surface.set_paint(paint_rgb);
    flood_fill(surface, paint.seed.x, paint.seed.y, paint_rgb, colour_rgb(paint.border_colour));
  }
  whole_window_refresh(services);
}

void stmt_cls(Exec& ex, std::string_view args) {
  const int32_t mode = args.empty() ? 1 : eval_int(ex.in, args);
  Win32Services& services = win32(ex);
  const Display& display = services.display;
  const HWND hwnd = display.current_text_window;
  WindowRecord* record = services.display.windows.find(hwnd);
  if ((mode == 1 || mode == 3) && record) {
    if (GetForegroundWindow() == hwnd && record->caret_enabled) SendMessageA(hwnd, WM_KILLFOCUS, 0, 0);
    const auto surfaces = display.windows.lock_backing_bitmaps();
    if (record->layer) record->layer->clear();
  }
  if ((mode == 2 || mode == 3) && record) {
    char class_name[64] = {};
    GetClassNameA(hwnd, class_name, sizeof class_name);
    const bool dark = hwnd == display.console || lstrcmpiA(class_name, kPromptClass) == 0;
    const auto backing = services.display.windows.lock_backing_bitmaps();
    const Selected fill(record->memory_dc(), GetStockObject(dark ? BLACK_BRUSH : WHITE_BRUSH));
    PatBlt(record->memory_dc(), 0, 0, display.screen.cx, display.screen.cy, PATCOPY);
  }
  whole_window_refresh(services);
}

void stmt_scroll_graphics(Exec& ex, std::string_view args) {
  const auto parts = split_all(args);
  if (parts.size() != 2) argument_error("scroll graphics", "dx and dy");
  const int32_t dx = eval_int(ex.in, parts[0]), dy = eval_int(ex.in, parts[1]);
  Win32Services& services = win32(ex);
  const SIZE screen = services.display.screen;
  if (WindowRecord* record = services.display.current_record()) {
    const auto backing = services.display.windows.lock_backing_bitmaps();
    HDC target = record->memory_dc();
    const MadeDC copy = memory_dc_like(target);
    const Bitmap copy_bitmap(CreateCompatibleBitmap(target, screen.cx, screen.cy));
    const Selected copied(copy.get(), copy_bitmap.get());
    BitBlt(copy.get(), 0, 0, screen.cx, screen.cy, target, 0, 0, SRCCOPY);
    {
      const Selected fill(target, GetStockObject(BLACK_BRUSH));
      PatBlt(target, 0, 0, screen.cx, screen.cy, PATCOPY);
    }
    BitBlt(target, dx, dy, screen.cx, screen.cy, copy.get(), 0, 0, SRCCOPY);
  }
  whole_window_refresh(services);
}

}  // namespace tess
