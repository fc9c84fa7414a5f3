#include "console/text_paint_win32.h"

#include "console/layout_walk.h"
#include "startup/app_win32.h"

namespace tess {
namespace {

// Hides the caret for the length of a paint when it is showing.
class CaretHidden {
 public:
  CaretHidden(HWND hwnd, bool caret_enabled) : hwnd_(hwnd) {
    hidden_ = caret_enabled && GetForegroundWindow() == hwnd;
    if (hidden_) SendMessageA(hwnd_, WM_KILLFOCUS, 0, 0);
  }
  ~CaretHidden() {
    if (hidden_) SendMessageA(hwnd_, WM_SETFOCUS, 0, 0);
  }
  CaretHidden(const CaretHidden&) = delete;
  CaretHidden& operator=(const CaretHidden&) = delete;

 private:
  HWND hwnd_;
  bool hidden_ = false;
};

struct Metrics {
  int line_height = 0;
  int char_height = 0;  // tmHeight
  int external_leading = 0;
  SIZE blank{};         // a transparent cell
};

Metrics measure(HDC dc) {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  Metrics m;
  m.char_height = tm.tmHeight;
  m.external_leading = tm.tmExternalLeading;
  m.line_height = tm.tmHeight + tm.tmExternalLeading;
  GetTextExtentPoint32A(dc, " ", 1, &m.blank);
  return m;
}

// A transparent cell advances by the letter L; other units by their own bytes.
int unit_width(const TextLayer& layer, HDC dc, const LayoutUnit& unit) {
  const char bytes[2] = {static_cast<char>(layer.byte(unit.index)), static_cast<char>(layer.byte(unit.last()))};
  SIZE size{};
  if (unit.kind == UnitKind::TransparentCell) GetTextExtentPoint32A(dc, "L", 1, &size);
  else GetTextExtentPoint32A(dc, bytes, unit.size, &size);
  return size.cx;
}

void draw_unit(const WindowRecord& record, HDC dc, const Metrics& m, const LayoutUnit& unit) {
  const TextLayer& layer = *record.layer;
  if (unit.kind == UnitKind::TransparentCell) {
    const auto backing = lock_backing_bitmaps();
    BitBlt(dc, unit.x, unit.y, m.blank.cx, m.blank.cy, record.memory_dc, unit.x, unit.y, SRCCOPY);
    return;
  }
  SetTextColor(dc, layer.foreground(unit.last()));
  const uint32_t background = layer.background(unit.last());
  if (background == kTransparent) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, background);
  }
  const char bytes[2] = {static_cast<char>(layer.byte(unit.index)), static_cast<char>(layer.byte(unit.last()))};
  TextOutA(dc, unit.x, unit.y, bytes, unit.size);
}

// One walk over the layer, drawing the units whose last byte lies in the range
// (a double-byte character typed in two messages shows with its second byte).
LayoutResult walk_and_draw(WindowRecord& record, HDC dc, const Metrics& m, const LayoutBounds& bounds, int count, int start) {
  auto in_range = [&](const LayoutUnit& u) { return count == 0 || (u.last() >= start && u.last() < start + count); };
  const LayoutResult result = walk_layout(
      *record.layer, bounds, [&](const LayoutUnit& unit) { return unit_width(*record.layer, dc, unit); },
      [&](const LayoutUnit& unit) {
        if (in_range(unit)) draw_unit(record, dc, m, unit);
      });
  if (result.caret_seen) record.caret = {result.caret.x, result.caret.y};
  return result;
}

RECT client_rectangle(WindowRecord& record) {
  RECT client{};
  if (IsIconic(record.hwnd)) return record.saved_client;
  GetClientRect(record.hwnd, &client);
  record.saved_client = client;
  return client;
}

void copy_backing_bitmap(const WindowRecord& record, HDC dc) {
  const auto backing = lock_backing_bitmaps();
  BitBlt(dc, 0, 0, app().screen.cx, app().screen.cy, record.memory_dc, 0, 0, SRCCOPY);
}

}  // namespace

void text_paint(WindowRecord& record, HDC dc, int count, int start) {
  if (!record.layer) return;
  const RECT client = client_rectangle(record);
  CaretHidden caret(record.hwnd, record.caret_enabled);
  HGDIOBJ previous_font = SelectObject(dc, app().console_font);
  const Metrics m = measure(dc);
  const LayoutBounds bounds{m.line_height, static_cast<int>(client.right), static_cast<int>(client.bottom), app().text_area};

  LayoutResult result = walk_and_draw(record, dc, m, bounds, count, start);
  // Whole logical lines scroll away until the text fits; each scroll repaints all.
  while (needs_scroll(result, bounds) && record.layer->length() > 0) {
    record.layer->scroll_first_line();
    copy_backing_bitmap(record, dc);
    result = walk_and_draw(record, dc, m, bounds, 0, 0);
  }
  record.composition.ptCurrentPos = {record.caret.x, record.caret.y - m.char_height + m.external_leading};
  SelectObject(dc, previous_font);
}

void window_refresh(WindowRecord& record, bool from_paint) {
  PAINTSTRUCT ps{};
  HDC dc = from_paint ? BeginPaint(record.hwnd, &ps) : GetDC(record.hwnd);
  copy_backing_bitmap(record, dc);
  text_paint(record, dc, 0, 0);
  if (from_paint) EndPaint(record.hwnd, &ps);
  else ReleaseDC(record.hwnd, dc);
}

TextLayer::WriteResult text_write(std::string_view value_text) {
  App& a = app();
  WindowRecord* record = a.windows.find(a.current_text_window);
  if (!record || !record->layer) return {};
  const TextColours colours = a.interp ? a.interp->colours() : TextColours{};
  auto result = record->layer->write(value_text, colours.foreground, colours.background);
  HDC dc = GetDC(record->hwnd);
  text_paint(*record, dc, static_cast<int>(result.expanded.size()), result.start);
  ReleaseDC(record->hwnd, dc);
  return result;
}

}  // namespace tess
