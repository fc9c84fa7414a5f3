// The window table: one record per window the runtime draws into, record 0 the
// console. Each record carries the window's backing bitmap and its text layer.
#pragma once
#include <windows.h>
#include <imm.h>

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>

#include "console/layout_cache.h"
#include "console/text_layer.h"
#include "system/gdi_handles_win32.h"

namespace tess {

// A bitmap the size of the screen, filled, selected into a memory context of its
// own (graphics/backing_bitmap_win32.h says which kind of bitmap).
class BackingBitmap {
 public:
  BackingBitmap() = default;
  BackingBitmap(HDC like, SIZE size, bool dark);
  BackingBitmap(BackingBitmap&& other) noexcept { *this = std::move(other); }
  BackingBitmap& operator=(BackingBitmap&& other) noexcept;
  ~BackingBitmap() { reset(); }

  HDC dc() const { return dc_.get(); }
  uint32_t* pixels() const { return pixels_; }
  // The bitmap goes back out of the context before either is deleted.
  void reset();

 private:
  MadeDC dc_;
  Bitmap bitmap_;
  uint32_t* pixels_ = nullptr;
  Selected selected_;
};

struct WindowRecord {
  HWND hwnd = nullptr;
  BackingBitmap backing;
  HDC memory_dc() const { return backing.dc(); }      // the backing bitmap's context
  uint32_t* pixels() const { return backing.pixels(); }  // its own pixels when it is a DIB section
  HGDIOBJ kept_font = nullptr;  // the font left selected after the last text drawn (owned by the kept fonts)
  HGDIOBJ kept_pen = nullptr;   // the pen left selected after the last line drawn (owned by the kept pens)
  LONG kept_font_advance = 0;   // no character of it is wider: max(widest character, height)
  std::unique_ptr<TextLayer> layer;
  POINT caret{};                   // bottom-left of the cursor cell at the last paint
  bool caret_enabled = false;
  RECT client{};                   // client rectangle: at creation, then from each WM_SIZE not minimising
  COMPOSITIONFORM composition{};
  LayoutCache layout;              // the text layer's layout at the last change
  RECT dirty{};                    // changed since the screen last showed it
  DWORD last_large_paint = 0;      // tick of the last paint of a large dirty area
};

class WindowTable {
 public:
  static constexpr int kCapacity = 1024;

  // The surface lock. Wine fails a GDI call on a DC while another thread is
  // inside a call on the same DC, and the drawing is lost; the window thread
  // paints from a backing bitmap and a text layer while execution threads change
  // them. So every use of a backing bitmap's DC, every change of a text layer or
  // a record, and every paint is made under this one lock, which is never held
  // while a message is sent (the other thread may be waiting for it).
  [[nodiscard]] std::unique_lock<std::recursive_mutex> lock_backing_bitmaps() const {
    return std::unique_lock(surfaces_);
  }

  // The record of a window, or null (a null handle has none).
  WindowRecord* find(HWND hwnd);
  int index_of(HWND hwnd) const;

  // Takes the first free record; false when all are in use.
  bool create(HWND hwnd, bool dark, SIZE screen);
  void release(HWND hwnd);
  void release_all();

  // Runs visit on every record in use (under the surface lock).
  template <class Visit>
  void for_each(Visit&& visit) {
    for (auto& r : records_)
      if (r.hwnd) visit(r);
  }

 private:
  std::array<WindowRecord, kCapacity> records_;
  mutable std::recursive_mutex surfaces_;
};

}  // namespace tess
