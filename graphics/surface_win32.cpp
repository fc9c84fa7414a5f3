#include "graphics/surface_win32.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <utility>

#include "console/screen_win32.h"
#include "console/text_paint_win32.h"
#include "system/wide_win32.h"
#include "system/win32_services.h"

namespace tess {

DrawingSurfaces::DrawingSurfaces(Display& display)
    : display_(display), surfaces_(display.windows.lock_backing_bitmaps()), record_(display.current_record()) {}

// The last selection is given back first.
DrawingSurfaces::~DrawingSurfaces() {
  while (count_ > 0) selected_[--count_].reset();
}

void DrawingSurfaces::select(HGDIOBJ object) {
  HDC memory = bitmap();
  if (!memory || count_ == selected_.size()) return;
  selected_[count_++] = Selected(memory, object);
}

void DrawingSurfaces::select_kept_font(HGDIOBJ font) {
  if (!record_ || !record_->memory_dc() || record_->kept_font == font) return;
  SelectObject(record_->memory_dc(), font);
  record_->kept_font = font;
  TEXTMETRICW metrics{};
  GetTextMetricsW(record_->memory_dc(), &metrics);
  record_->kept_font_advance = std::max(metrics.tmMaxCharWidth, metrics.tmHeight);
}

void DrawingSurfaces::select_kept_pen(HGDIOBJ pen) {
  if (!record_ || !record_->memory_dc() || record_->kept_pen == pen) return;
  SelectObject(record_->memory_dc(), pen);
  record_->kept_pen = pen;
}

int64_t DrawingSurfaces::kept_font_advance() const { return record_ ? record_->kept_font_advance : 0; }

namespace {

template <class Key>
using Kept = std::vector<std::pair<Key, AnyObject>>;

// Drawing objects kept from one statement to the next, by what they were made from.
struct KeptObjects {
  Kept<COLORREF> pens, brushes;
  Kept<LOGFONTA> fonts;
};

KeptObjects& kept_objects() {
  static KeptObjects objects;
  return objects;
}

// A kept font about to be deleted leaves every bitmap that still has it selected.
void take_out_of_bitmaps(WindowTable& windows, HGDIOBJ object) {
  windows.for_each([&](WindowRecord& r) {
    if (r.kept_font == object) {
      SelectObject(r.memory_dc(), GetStockObject(SYSTEM_FONT));
      r.kept_font = nullptr;
    }
    if (r.kept_pen == object) {
      SelectObject(r.memory_dc(), GetStockObject(BLACK_PEN));
      r.kept_pen = nullptr;
    }
  });
}

// The last few objects of one kind; the oldest goes when a new one comes.
template <class Key, class Make>
HGDIOBJ kept(WindowTable& windows, Kept<Key>& cache, const Key& key, Make make, bool (*same)(const Key&, const Key&)) {
  for (auto& [k, object] : cache)
    if (same(k, key)) return object.get();
  constexpr std::size_t kKept = 16;
  if (cache.size() == kKept) {
    take_out_of_bitmaps(windows, cache.front().second.get());
    cache.erase(cache.begin());
  }
  cache.emplace_back(key, make());
  return cache.back().second.get();
}

bool same_colour(const COLORREF& a, const COLORREF& b) { return a == b; }
bool same_font(const LOGFONTA& a, const LOGFONTA& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

HGDIOBJ DrawingSurfaces::pen(COLORREF colour) {
  return kept(display_.windows, kept_objects().pens, colour, [&] { return AnyObject(CreatePen(PS_SOLID, 1, colour)); }, same_colour);
}

HGDIOBJ DrawingSurfaces::brush(COLORREF colour) {
  return kept(display_.windows, kept_objects().brushes, colour, [&] { return AnyObject(CreateSolidBrush(colour)); }, same_colour);
}

namespace {

// The face name is code page 932 text: the "A" function would read it in the
// system's code page, which loses a Japanese name on other locales.
AnyObject create_font(const LOGFONTA& a) {
  LOGFONTW w{};
  std::memcpy(&w, &a, offsetof(LOGFONTA, lfFaceName));
  const std::wstring face = wide(std::string_view(a.lfFaceName, strnlen(a.lfFaceName, LF_FACESIZE)));
  face.copy(w.lfFaceName, LF_FACESIZE - 1);
  return AnyObject(CreateFontIndirectW(&w));
}

}  // namespace

HGDIOBJ DrawingSurfaces::font(const LOGFONTA& description) {
  return kept(display_.windows, kept_objects().fonts, description, [&] { return create_font(description); }, same_font);
}

void release_kept_drawing_objects(Display& display) {
  const auto surfaces = display.windows.lock_backing_bitmaps();
  for (const auto& [description, font] : kept_objects().fonts) take_out_of_bitmaps(display.windows, font.get());
  for (const auto& [colour, pen] : kept_objects().pens) take_out_of_bitmaps(display.windows, pen.get());
  kept_objects() = KeptObjects{};
}

void DrawingSurfaces::touched(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  if (record_) mark_dirty(display_, *record_, clipped_area(display_.screen, left, top, right, bottom));
}

void whole_window_refresh(Win32Services& services) {
  mark_all_dirty(services.display, services.display.current_text_window);
  text_write(services, "", TextLayer::Stream::kDrop);
}

}  // namespace tess
