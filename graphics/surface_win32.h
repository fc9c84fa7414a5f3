// The two surfaces a drawing statement paints: the current text window and its
// backing bitmap, with the same GDI objects selected into both.
#pragma once
#include <windows.h>

#include <vector>

#include "windows/window_table_win32.h"

namespace tess {

class DrawingSurfaces {
 public:
  DrawingSurfaces();
  ~DrawingSurfaces();
  DrawingSurfaces(const DrawingSurfaces&) = delete;
  DrawingSurfaces& operator=(const DrawingSurfaces&) = delete;

  HDC window() const { return window_dc_; }
  // Null when the current text window has no record: then only the window is drawn.
  HDC bitmap() const { return record_ ? record_->memory_dc : nullptr; }
  WindowRecord* record() const { return record_; }

  // Selects into both surfaces; the previous objects come back at the end.
  void select(HGDIOBJ object);
  // Deleted at the end, after the surfaces have their own objects back.
  HGDIOBJ own(HGDIOBJ object);

  // Runs draw on the window first, then on the backing bitmap (or the reverse).
  template <class Draw>
  void draw(Draw draw, bool window_first = true) {
    if (window_first) draw(window());
    if (bitmap()) {
      const auto backing = lock_backing_bitmaps();
      draw(bitmap());
    }
    if (!window_first) draw(window());
  }

 private:
  HWND hwnd_;
  HDC window_dc_;
  WindowRecord* record_;
  std::vector<HGDIOBJ> window_previous_, bitmap_previous_, owned_;
};

// The destination bitmap copied to the current text window, then its text layer
// painted again.
void whole_window_refresh();

}  // namespace tess
