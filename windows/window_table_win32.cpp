#include "windows/window_table_win32.h"

#include "graphics/backing_bitmap_win32.h"

namespace tess {

int WindowTable::index_of(HWND hwnd) const {
  if (!hwnd) return -1;
  for (int i = 0; i < kCapacity; ++i)
    if (records_[static_cast<std::size_t>(i)].hwnd == hwnd) return i;
  return -1;
}

WindowRecord* WindowTable::find(HWND hwnd) {
  const int i = index_of(hwnd);
  return i < 0 ? nullptr : &records_[static_cast<std::size_t>(i)];
}

// The new window is not painted here: its first frame shows the whole fill.
bool WindowTable::create(HWND hwnd, bool dark, SIZE screen) {
  if (!hwnd) return false;
  const auto surfaces = lock_backing_bitmaps();
  WindowRecord* record = nullptr;
  for (auto& r : records_)
    if (!r.hwnd) {
      record = &r;
      break;
    }
  if (!record) return false;

  record->caret = {};
  record->caret_enabled = false;
  record->layer = std::make_unique<TextLayer>();
  record->composition = {};
  record->composition.dwStyle = CFS_POINT;
  record->layout = {};
  record->dirty = {};

  HDC window_dc = GetDC(hwnd);
  const BackingBitmap backing = create_backing_bitmap(window_dc, screen);
  record->bitmap = backing.bitmap;
  record->pixels = backing.pixels;
  record->kept_font = nullptr;
  record->memory_dc = CreateCompatibleDC(window_dc);
  ReleaseDC(hwnd, window_dc);
  record->original_bitmap = SelectObject(record->memory_dc, record->bitmap);
  HGDIOBJ previous_brush = SelectObject(record->memory_dc, GetStockObject(dark ? BLACK_BRUSH : WHITE_BRUSH));
  PatBlt(record->memory_dc, 0, 0, screen.cx, screen.cy, PATCOPY);
  SelectObject(record->memory_dc, previous_brush);
  record->hwnd = hwnd;
  return true;
}

std::unique_lock<std::recursive_mutex> lock_backing_bitmaps() {
  static std::recursive_mutex backing_bitmaps;
  return std::unique_lock(backing_bitmaps);
}

void WindowTable::release(HWND hwnd) {
  const auto surfaces = lock_backing_bitmaps();
  WindowRecord* record = find(hwnd);
  if (!record) return;
  record->hwnd = nullptr;
  record->layer.reset();
  record->dirty = {};
  if (record->memory_dc) {
    SelectObject(record->memory_dc, record->original_bitmap);
    DeleteDC(record->memory_dc);
  }
  if (record->bitmap) DeleteObject(record->bitmap);
  record->memory_dc = nullptr;
  record->bitmap = nullptr;
  record->pixels = nullptr;
  record->kept_font = nullptr;
}

void WindowTable::release_all() {
  for (auto& r : records_)
    if (r.hwnd) release(r.hwnd);
}

}  // namespace tess
