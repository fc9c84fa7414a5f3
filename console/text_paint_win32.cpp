#include "console/text_paint_win32.h"

#include "interp/sjis.h"
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
  int ascent_height = 0;  // tmHeight
  int external_leading = 0;
  SIZE blank{};           // a transparent cell
};

Metrics measure(HDC dc) {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  Metrics m;
  m.ascent_height = tm.tmHeight;
  m.external_leading = tm.tmExternalLeading;
  m.line_height = tm.tmHeight + tm.tmExternalLeading;
  GetTextExtentPoint32A(dc, " ", 1, &m.blank);
  return m;
}

int unit_width(HDC dc, char first_byte) {
  SIZE size{};
  GetTextExtentPoint32A(dc, &first_byte, 1, &size);
  return size.cx;
}

// One walk over the layer: draws the requested range and returns the final y.
int walk_and_draw(WindowRecord& record, HDC dc, const Metrics& m, const RECT& client, int count, int start) {
  const TextArea& area = app().text_area;
  TextLayer& layer = *record.layer;
  int x = 0, y = 0, i = 0;
  for (; i < TextLayer::kSize; ) {
    if (i == layer.cursor) record.caret = {x, y + m.line_height};
    const uint8_t b = layer.byte(i);
    if (b == 0) break;
    int unit = 1;
    bool transparent_cell = false;
    if (sjis::is_lead_byte(b)) {
      if (i + 1 >= TextLayer::kSize || layer.byte(i + 1) == 0) break;
      unit = 2;
    } else if (b == 0x01 && i + 1 < TextLayer::kSize && layer.byte(i + 1) == 'L') {
      unit = 2;
      transparent_cell = true;
    }
    if (b == '\n') {
      x = 0, y += m.line_height;
      i += 1;
      continue;
    }
    const int last = i + unit - 1;
    if (count == 0 || (i >= start && i < start + count)) {
      if (transparent_cell) {
        BitBlt(dc, x, y, m.blank.cx, m.blank.cy, record.memory_dc, x, y, SRCCOPY);
      } else {
        SetTextColor(dc, layer.foreground(last));
        const uint32_t bg = layer.background(last);
        if (bg == kTransparent) {
          SetBkMode(dc, TRANSPARENT);
        } else {
          SetBkMode(dc, OPAQUE);
          SetBkColor(dc, bg);
        }
        char bytes[2] = {static_cast<char>(b), static_cast<char>(layer.byte(last))};
        TextOutA(dc, x, y, bytes, unit);
      }
    }
    const int width = transparent_cell ? unit_width(dc, 'L') : unit_width(dc, static_cast<char>(b)) * (unit == 2 ? 2 : 1);
    x += width;
    if (x + width >= client.right || (area.on && x >= area.width)) x = 0, y += m.line_height;
    i += unit;
  }
  if (i != 0) y += m.line_height;
  return y;
}

}  // namespace

void text_paint(WindowRecord& record, HDC dc, int count, int start) {
  if (!record.layer) return;
  RECT client{};
  if (IsIconic(record.hwnd)) {
    client = record.saved_client;
  } else {
    GetClientRect(record.hwnd, &client);
    record.saved_client = client;
  }
  CaretHidden caret(record.hwnd, record.caret_enabled);
  HGDIOBJ previous_font = SelectObject(dc, app().console_font);
  const Metrics m = measure(dc);
  const TextArea& area = app().text_area;

  int y = walk_and_draw(record, dc, m, client, count, start);
  while ((y > client.bottom || (area.on && y > area.height)) && record.layer->length() > 0) {
    record.layer->scroll_first_line();
    BitBlt(dc, 0, 0, app().screen.cx, app().screen.cy, record.memory_dc, 0, 0, SRCCOPY);
    y = walk_and_draw(record, dc, m, client, 0, 0);
  }
  record.composition.ptCurrentPos = {record.caret.x, record.caret.y - m.ascent_height + m.external_leading};
  SelectObject(dc, previous_font);
}

void window_refresh(WindowRecord& record, bool from_paint) {
  PAINTSTRUCT ps{};
  HDC dc = from_paint ? BeginPaint(record.hwnd, &ps) : GetDC(record.hwnd);
  BitBlt(dc, 0, 0, app().screen.cx, app().screen.cy, record.memory_dc, 0, 0, SRCCOPY);
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
