#include "console/text_paint_win32.h"

#include <array>
#include <string>
#include <vector>

#include "console/console_text_win32.h"
#include "console/layout_walk.h"
#include "console/screen_win32.h"
#include "session/session.h"
#include "interp/interpreter.h"
#include "system/gdi_handles_win32.h"
#include "system/win32_services.h"

namespace tess {
namespace {

HGDIOBJ font_or_system(HFONT font) { return font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT); }

// Advances in the console font, each measured once, on a screen context that the
// caller lends for the call (the font is selected into it only to measure).
class FontMeasure {
 public:
  // A new font starts the tables again; answers whether it did.
  bool use(HFONT font, HDC dc) {
    dc_ = dc;
    if (measured_ && font == font_) return false;
    measured_ = true;
    font_ = font;
    TEXTMETRICA tm{};
    {
      const Selected measuring(dc_, font_or_system(font_));
      GetTextMetricsA(dc_, &tm);
    }
    char_height = tm.tmHeight;
    external_leading = tm.tmExternalLeading;
    line_height = tm.tmHeight + tm.tmExternalLeading;
    single_.fill(-1);
    double_.assign(0x10000, -1);
    letter_l_ = measure("L", 1);
    return true;
  }

  // A transparent cell advances by the letter L; other units by their own bytes.
  int width(const TextLayer& layer, const LayoutUnit& unit) {
    if (unit.kind == UnitKind::TransparentCell) return letter_l_;
    const uint8_t first = layer.byte(unit.index);
    if (unit.size == 1) {
      int& w = single_[first];
      if (w < 0) {
        const char c = static_cast<char>(first);
        w = measure(&c, 1);
      }
      return w;
    }
    const uint8_t second = layer.byte(unit.last());
    int& w = double_[static_cast<std::size_t>(first) << 8 | second];
    if (w < 0) {
      const char bytes[2] = {static_cast<char>(first), static_cast<char>(second)};
      w = measure(bytes, 2);
    }
    return w;
  }

  int line_height = 1, char_height = 0, external_leading = 0;

 private:
  int measure(const char* bytes, int count) {
    const Selected measuring(dc_, font_or_system(font_));
    SIZE size{};
    GetTextExtentPoint32A(dc_, bytes, count, &size);
    return size.cx;
  }

  HDC dc_ = nullptr;
  HFONT font_ = nullptr;
  bool measured_ = false;
  int letter_l_ = 0;
  std::array<int, 256> single_{};
  std::vector<int> double_;
};

// Under the surface lock, like everything else it serves; it measures on the
// backing bitmap's context of the window written to.
FontMeasure& font_measure(Display& display, const ConsoleText& text, WindowRecord& record) {
  static FontMeasure measure;
  if (measure.use(text.console_font.get(), record.memory_dc()))
    display.windows.for_each([](WindowRecord& r) { r.layout.invalidate(); });
  return measure;
}

LayoutBounds bounds_for(WindowRecord& record, const FontMeasure& m, const TextArea& area) {
  const RECT& client = record.client;
  return {m.line_height, static_cast<int>(client.right), static_cast<int>(client.bottom), area};
}

// Whole logical lines scroll away until the text fits; answers whether any did.
bool scroll_to_fit(WindowRecord& record, FontMeasure& m, LayoutResult& result) {
  TextLayer& layer = *record.layer;
  const LayoutBounds bounds = record.layout.bounds();
  auto width = [&](const LayoutUnit& u) { return m.width(layer, u); };
  bool scrolled = false;
  while (needs_scroll(result, bounds) && layer.length() > 0) {
    const int cut = layer.scroll_first_line();
    scrolled = true;
    if (record.layout.scrolled(layer, cut)) {
      result.bottom = record.layout.bottom();
      result.caret_seen = layer.cursor == record.layout.end().i;
      result.caret = {record.layout.end().x, record.layout.end().y + bounds.line_height};
    } else {
      result = record.layout.rebuild(layer, bounds, width);
    }
  }
  return scrolled;
}

void place_caret_point(WindowRecord& record, const FontMeasure& m, const LayoutResult& result) {
  if (result.caret_seen) record.caret = {result.caret.x, result.caret.y};
  record.composition.ptCurrentPos = {record.caret.x, record.caret.y - m.char_height + m.external_leading};
}

struct Run {
  int x = 0, y = 0, end_x = 0;
  uint32_t foreground = 0, background = 0;
  std::string bytes;
  std::vector<INT> advances;
};

void draw_run(HDC dc, Run& run) {
  if (run.bytes.empty()) return;
  SetTextColor(dc, run.foreground);
  if (run.background == kTransparent) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, run.background);
  }
  ExtTextOutA(dc, run.x, run.y, 0, nullptr, run.bytes.data(), static_cast<UINT>(run.bytes.size()), run.advances.data());
  run.bytes.clear();
  run.advances.clear();
}

}  // namespace

std::unique_ptr<TextSnapshot> snapshot_text(const WindowRecord& record) {
  if (!record.layer || record.layer->length() == 0) return nullptr;
  return std::make_unique<TextSnapshot>(TextSnapshot{*record.layer, record.layout.bounds()});
}

// Units of one row and one pair of colours are drawn together, each at the
// place the layout gave it. Each painting thread measures with its own context.
void draw_text(const TextSnapshot& text, HFONT console_font, HDC dc, const RECT& area) {
  const TextLayer& layer = text.layer;
  const LayoutBounds& bounds = text.bounds;
  thread_local FontMeasure m;
  m.use(console_font, dc);
  const Selected font(dc, font_or_system(console_font));
  Run run;
  walk_layout(
      layer, bounds, [&](const LayoutUnit& u) { return m.width(layer, u); },
      [&](const LayoutUnit& u) {
        const bool visible = u.kind == UnitKind::Glyph && u.y < area.bottom && u.y + bounds.line_height > area.top;
        if (!visible) return draw_run(dc, run);
        const uint32_t fg = layer.foreground(u.last()), bg = layer.background(u.last());
        const int w = m.width(layer, u);
        const bool joins = !run.bytes.empty() && run.y == u.y && run.end_x == u.x && run.foreground == fg &&
                           run.background == bg;
        if (!joins) {
          draw_run(dc, run);
          run.x = u.x, run.y = u.y, run.foreground = fg, run.background = bg;
        }
        run.end_x = u.x + w;
        run.bytes.push_back(static_cast<char>(layer.byte(u.index)));
        if (u.size == 2) {
          run.bytes.push_back(static_cast<char>(layer.byte(u.last())));
          run.advances.push_back(w);
          run.advances.push_back(0);
        } else {
          run.advances.push_back(w);
        }
      });
  draw_run(dc, run);
}

void relayout_text(Display& display, const ConsoleText& text, WindowRecord& record) {
  const auto surfaces = display.windows.lock_backing_bitmaps();
  if (!record.layer) return;
  FontMeasure& m = font_measure(display, text, record);
  TextLayer& layer = *record.layer;
  LayoutResult result = record.layout.rebuild(layer, bounds_for(record, m, text.text_area),
                                               [&](const LayoutUnit& u) { return m.width(layer, u); });
  scroll_to_fit(record, m, result);
  place_caret_point(record, m, result);
  mark_all_dirty(display, record);
}

// Every write lays out in the client rectangle; asking the window for it each
// time cost two system calls a print under Wine. A minimised window keeps the
// size it had, so its text does not reflow into nothing.
void note_client_size(Display& display, HWND hwnd, WPARAM kind, LPARAM size) {
  if (kind == SIZE_MINIMIZED) return;
  const auto surfaces = display.windows.lock_backing_bitmaps();
  if (WindowRecord* record = display.windows.find(hwnd)) record->client = {0, 0, LOWORD(size), HIWORD(size)};
}

TextLayer::WriteResult text_write(Win32Services& services, std::string_view value_text, TextLayer::Stream stream) {
  Display& display = services.display;
  const TextColours colours = services.interp ? services.interp->session().colours : TextColours{};
  const auto surfaces = display.windows.lock_backing_bitmaps();
  WindowRecord* record = display.current_record();
  if (!record || !record->layer) return {};
  TextLayer& layer = *record->layer;
  FontMeasure& m = font_measure(display, services.text, *record);
  const LayoutBounds bounds = bounds_for(*record, m, services.text.text_area);
  auto width = [&](const LayoutUnit& u) { return m.width(layer, u); };

  // Text added at the end of what the layout saw is laid out from where it ended.
  const bool appends = record->layout.fits(layer, bounds) && layer.cursor == record->layout.end().i;
  const int first_row = record->layout.end().y;
  auto written = layer.write(value_text, colours.foreground, colours.background, stream);
  LayoutResult result = appends ? record->layout.extend(layer, width) : record->layout.rebuild(layer, bounds, width);
  const bool scrolled = scroll_to_fit(*record, m, result);
  place_caret_point(*record, m, result);
  if (appends && !scrolled) mark_dirty(display, *record, clipped_area(display.screen, 0, first_row, bounds.right, result.bottom));
  else mark_all_dirty(display, *record);
  return written;
}

}  // namespace tess
