#include "graphics/surface_win32.h"

#include <ranges>

#include "console/text_paint_win32.h"
#include "startup/app_win32.h"

namespace tess {

DrawingSurfaces::DrawingSurfaces()
    : hwnd_(app().current_text_window), window_dc_(GetDC(hwnd_)), record_(app().windows.find(hwnd_)) {}

DrawingSurfaces::~DrawingSurfaces() {
  for (HGDIOBJ previous : std::views::reverse(window_previous_)) SelectObject(window_dc_, previous);
  ReleaseDC(hwnd_, window_dc_);
  if (HDC memory = bitmap()) {
    const auto backing = lock_backing_bitmaps();
    for (HGDIOBJ previous : std::views::reverse(bitmap_previous_)) SelectObject(memory, previous);
  }
  for (HGDIOBJ object : owned_) DeleteObject(object);
}

void DrawingSurfaces::select(HGDIOBJ object) {
  window_previous_.push_back(SelectObject(window_dc_, object));
  if (HDC memory = bitmap()) {
    const auto backing = lock_backing_bitmaps();
    bitmap_previous_.push_back(SelectObject(memory, object));
  }
}

HGDIOBJ DrawingSurfaces::own(HGDIOBJ object) {
  if (object) owned_.push_back(object);
  return object;
}

void whole_window_refresh() {
  App& a = app();
  if (WindowRecord* record = a.windows.find(a.current_text_window)) {
    HDC dc = GetDC(record->hwnd);
    const auto backing = lock_backing_bitmaps();
    BitBlt(dc, 0, 0, a.screen.cx, a.screen.cy, record->memory_dc, 0, 0, SRCCOPY);
    ReleaseDC(record->hwnd, dc);
  }
  text_write("");
}

}  // namespace tess
