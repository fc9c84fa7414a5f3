#include "windows/window_table_win32.h"

#include <utility>

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

  GetClientRect(hwnd, &record->client);
  record->backing = BackingBitmap(WindowDC(hwnd).get(), screen, dark);
  record->kept_font = nullptr;
  record->kept_pen = nullptr;
  record->hwnd = hwnd;
  return true;
}

BackingBitmap::BackingBitmap(HDC like, SIZE size, bool dark) : dc_(memory_dc_like(like)) {
  BackingPixels made = create_backing_bitmap(like, size);
  bitmap_ = std::move(made.bitmap);
  pixels_ = made.pixels;
  selected_ = Selected(dc_.get(), bitmap_.get());
  const Selected fill(dc_.get(), GetStockObject(dark ? BLACK_BRUSH : WHITE_BRUSH));
  PatBlt(dc_.get(), 0, 0, size.cx, size.cy, PATCOPY);
}

BackingBitmap& BackingBitmap::operator=(BackingBitmap&& other) noexcept {
  if (this != &other) {
    reset();
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    pixels_ = std::exchange(other.pixels_, nullptr);
    selected_ = std::move(other.selected_);
  }
  return *this;
}

void BackingBitmap::reset() {
  selected_.reset();
  pixels_ = nullptr;
  bitmap_.reset();
  dc_.reset();
}

void WindowTable::release(HWND hwnd) {
  const auto surfaces = lock_backing_bitmaps();
  WindowRecord* record = find(hwnd);
  if (!record) return;
  record->hwnd = nullptr;
  record->layer.reset();
  record->dirty = {};
  record->kept_font = nullptr;
  record->kept_pen = nullptr;
  record->backing.reset();
}

void WindowTable::release_all() {
  for (auto& r : records_)
    if (r.hwnd) release(r.hwnd);
}

}  // namespace tess
