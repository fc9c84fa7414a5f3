#include "graphics/surface_win32.h"

#include <cstddef>
#include <cstring>
#include <ranges>
#include <utility>

#include "console/screen_win32.h"
#include "console/text_paint_win32.h"
#include "startup/app_win32.h"
#include "system/wide_win32.h"

namespace tess {

DrawingSurfaces::DrawingSurfaces()
    : surfaces_(lock_backing_bitmaps()), record_(app().windows.find(app().current_text_window)) {}

DrawingSurfaces::~DrawingSurfaces() {
  if (HDC memory = bitmap())
    while (selected_ > 0) SelectObject(memory, previous_[--selected_]);
}

void DrawingSurfaces::select(HGDIOBJ object) {
  HDC memory = bitmap();
  if (!memory || selected_ == previous_.size()) return;
  previous_[selected_++] = SelectObject(memory, object);
}

void DrawingSurfaces::select_kept_font(HGDIOBJ font) {
  if (!record_ || !record_->memory_dc || record_->kept_font == font) return;
  SelectObject(record_->memory_dc, font);
  record_->kept_font = font;
}

namespace {

// The last few objects of one kind, by what they were made from.
template <class Key, class Make>
HGDIOBJ kept(std::vector<std::pair<Key, HGDIOBJ>>& cache, const Key& key, Make make, bool (*same)(const Key&, const Key&)) {
  for (auto& [k, object] : cache)
    if (same(k, key)) return object;
  constexpr std::size_t kKept = 16;
  if (cache.size() == kKept) {
    HGDIOBJ oldest = cache.front().second;
    app().windows.for_each([&](WindowRecord& r) {
      if (r.kept_font != oldest) return;
      SelectObject(r.memory_dc, GetStockObject(SYSTEM_FONT));
      r.kept_font = nullptr;
    });
    DeleteObject(oldest);
    cache.erase(cache.begin());
  }
  cache.emplace_back(key, make());
  return cache.back().second;
}

bool same_colour(const COLORREF& a, const COLORREF& b) { return a == b; }
bool same_font(const LOGFONTA& a, const LOGFONTA& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

HGDIOBJ DrawingSurfaces::pen(COLORREF colour) {
  static std::vector<std::pair<COLORREF, HGDIOBJ>> pens;
  return kept(pens, colour, [&] { return static_cast<HGDIOBJ>(CreatePen(PS_SOLID, 1, colour)); }, same_colour);
}

HGDIOBJ DrawingSurfaces::brush(COLORREF colour) {
  static std::vector<std::pair<COLORREF, HGDIOBJ>> brushes;
  return kept(brushes, colour, [&] { return static_cast<HGDIOBJ>(CreateSolidBrush(colour)); }, same_colour);
}

namespace {

// The face name is code page 932 text: the "A" function would read it in the
// system's code page, which loses a Japanese name on other locales.
HGDIOBJ create_font(const LOGFONTA& a) {
  LOGFONTW w{};
  std::memcpy(&w, &a, offsetof(LOGFONTA, lfFaceName));
  const std::wstring face = wide(std::string_view(a.lfFaceName, strnlen(a.lfFaceName, LF_FACESIZE)));
  face.copy(w.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&w);
}

}  // namespace

HGDIOBJ DrawingSurfaces::font(const LOGFONTA& description) {
  static std::vector<std::pair<LOGFONTA, HGDIOBJ>> fonts;
  return kept(fonts, description, [&] { return create_font(description); }, same_font);
}

void DrawingSurfaces::touched(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  if (record_) mark_dirty(*record_, clipped_area(left, top, right, bottom));
}

void whole_window_refresh() {
  App& a = app();
  mark_all_dirty(a.current_text_window);
  text_write("");
}

}  // namespace tess
