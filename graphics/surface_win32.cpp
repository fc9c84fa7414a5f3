#include "graphics/surface_win32.h"

#include <ranges>

#include "console/screen_win32.h"
#include "console/text_paint_win32.h"
#include "startup/app_win32.h"

namespace tess {

DrawingSurfaces::DrawingSurfaces()
    : surfaces_(lock_backing_bitmaps()), record_(app().windows.find(app().current_text_window)) {}

DrawingSurfaces::~DrawingSurfaces() {
  if (HDC memory = bitmap())
    for (HGDIOBJ previous : std::views::reverse(previous_)) SelectObject(memory, previous);
  for (HGDIOBJ object : owned_) DeleteObject(object);
}

void DrawingSurfaces::select(HGDIOBJ object) {
  if (HDC memory = bitmap()) previous_.push_back(SelectObject(memory, object));
}

HGDIOBJ DrawingSurfaces::own(HGDIOBJ object) {
  if (object) owned_.push_back(object);
  return object;
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
