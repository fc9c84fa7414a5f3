#include "graphics/backing_bitmap_win32.h"

#include <utility>

namespace tess {

BITMAPINFO top_down_rgb32(SIZE size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

BackingPixels create_backing_bitmap(HDC window_dc, SIZE size) {
  if (GetDeviceCaps(window_dc, BITSPIXEL) == 32) {
    const BITMAPINFO info = top_down_rgb32(size);
    void* bits = nullptr;
    if (Bitmap dib(CreateDIBSection(window_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0)); dib)
      return {std::move(dib), static_cast<uint32_t*>(bits)};
  }
  return {Bitmap(CreateCompatibleBitmap(window_dc, size.cx, size.cy)), nullptr};
}

}  // namespace tess
