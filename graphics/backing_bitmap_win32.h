// A window's backing bitmap. On a 32-bit display it is a DIB section in the
// display's own format, so that a figure drawn often can be written straight into
// its pixels; on other displays a compatible bitmap, whose colours are the
// display's.
#pragma once
#include <windows.h>

#include <cstdint>

#include "system/gdi_handles_win32.h"

namespace tess {

struct BackingPixels {
  Bitmap bitmap;
  uint32_t* pixels = nullptr;  // top-down rows of 0x00RRGGBB; null for a compatible bitmap
};

BackingPixels create_backing_bitmap(HDC window_dc, SIZE size);

// The description of such pixels: 32 bits, top-down rows, for DIB sections and
// GetDIBits.
BITMAPINFO top_down_rgb32(SIZE size);

// The pixel GDI writes into such a bitmap for a plain RGB colour.
constexpr uint32_t pixel_of(COLORREF colour) {
  return (colour & 0xFFu) << 16 | (colour & 0xFF00u) | (colour >> 16 & 0xFFu);
}

}  // namespace tess
