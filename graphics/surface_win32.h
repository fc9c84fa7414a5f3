// The surface a drawing statement paints: the backing bitmap of the current text
// window. The statement notes the area it drew, and the screen shows it from there.
#pragma once
#include <windows.h>

#include <array>
#include <cstddef>
#include <mutex>

#include "system/gdi_handles_win32.h"
#include "windows/display_win32.h"

namespace tess {

struct Win32Services;

class DrawingSurfaces {
 public:
  explicit DrawingSurfaces(Display& display);
  ~DrawingSurfaces();
  DrawingSurfaces(const DrawingSurfaces&) = delete;
  DrawingSurfaces& operator=(const DrawingSurfaces&) = delete;

  // Null when the current text window has no record: then nothing is drawn.
  HDC bitmap() const { return record_ ? record_->memory_dc() : nullptr; }
  WindowRecord* record() const { return record_; }
  SIZE screen() const { return display_.screen; }

  // Selects into the bitmap; the previous objects come back at the end.
  void select(HGDIOBJ object);
  // Selects a font kept by font() and leaves it selected after the statement:
  // Wine takes several microseconds to select a font, more than drawing a word.
  void select_kept_font(HGDIOBJ font);
  // Selects a pen kept by pen() and leaves it selected after the statement, as
  // the font above: a line costs three GDI calls under Wine, not five.
  void select_kept_pen(HGDIOBJ pen);
  // An upper bound of one character's advance in the selected kept font.
  int64_t kept_font_advance() const;

  // Drawing objects kept from one statement to the next (making a pen, a brush or
  // a font costs more than drawing a small figure with it). Pens and brushes are
  // selected only for the length of a statement; a font that is replaced is
  // first taken out of every bitmap that still has it selected.
  HGDIOBJ pen(COLORREF colour);
  HGDIOBJ brush(COLORREF colour);
  HGDIOBJ font(const LOGFONTA& description);

  // Runs draw on the backing bitmap.
  template <class Draw>
  void draw(Draw draw) {
    if (HDC dc = bitmap()) draw(dc);
  }

  // The area drawn, in client coordinates (corners as given, right and bottom
  // excluded); painted at the next frame.
  void touched(int64_t left, int64_t top, int64_t right, int64_t bottom);

 private:
  Display& display_;
  std::unique_lock<std::recursive_mutex> surfaces_;
  WindowRecord* record_;
  std::array<Selected, 4> selected_{};  // a statement selects at most a pen and a brush
  std::size_t count_ = 0;                // given back last first, before the lock goes
};

// The run's end: the kept pens, brushes and fonts are deleted (under the surface lock).
void release_kept_drawing_objects(Display& display);

// After a statement changed the whole destination bitmap: the window is painted
// whole, and its text layer laid out again over it.
void whole_window_refresh(Win32Services& services);

}  // namespace tess
