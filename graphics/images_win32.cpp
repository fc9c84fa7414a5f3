// Load, get and put images, and text drawn in a font of its own.
#include <cstring>
#include <utility>

#include "console/console_text_win32.h"
#include "files/file_table.h"
#include "graphics/argument_text.h"
#include "graphics/graphics_handlers.h"
#include "graphics/image_args.h"
#include "graphics/surface_win32.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "session/session.h"
#include "system/gdi_handles_win32.h"
#include "system/wide_win32.h"
#include "system/win32_services.h"
#include "windows/handle_numbers_win32.h"
#include "windows/window_args.h"

namespace tess {
namespace {

bool bitmap_size(int32_t number, BITMAP& info) { return GetObjectA(as_bitmap(number), sizeof info, &info) != 0; }
bool is_bitmap(int32_t number) {
  BITMAP info{};
  return bitmap_size(number, info);
}

// The new image goes into the table and the variable; the old image of the
// variable is deleted. A full table leaves the new image to its owner, which
// deletes it with the error.
void record_image(Interpreter& in, const std::string& variable, int32_t old_value, Bitmap fresh) {
  const bool old_is_image = is_bitmap(old_value);
  in.session().graphics.images.record(old_value, old_is_image, as_number(fresh.get()));
  const int32_t number = as_number(fresh.give_up());
  if (old_is_image) delete_given_up(as_bitmap(old_value));
  assign(in, assignment_text(variable, number));
}

}  // namespace

void stmt_load_image(Exec& ex, std::string_view args) {
  const LoadImageArgs load = parse_load_image(ex.in, args);
  // Relative names follow the interpreter's current directory, as file names do,
  // not the process's.
  const std::string path = ex.session().files.resolve(load.file_name);
  const int32_t old_value = eval_int(ex.in, load.variable);
  Bitmap image(static_cast<HBITMAP>(LoadImageW(win32(ex).display.instance, wide(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
  if (!image) raise_error(1, "load image: cannot load " + path);
  record_image(ex.in, load.variable, old_value, std::move(image));
}

void get_image(Exec& ex, std::string_view args) {
  const GetImageArgs get = parse_get_image(ex.in, args);
  Display& display = win32(ex).display;
  Bitmap image;
  {
    // The image is made like the backing bitmap; a window without a record gives
    // what its own device context holds.
    const auto surfaces = display.windows.lock_backing_bitmaps();
    WindowRecord* record = display.current_record();
    const WindowDC window_dc = record ? WindowDC() : WindowDC(display.current_text_window);
    HDC source = record ? record->memory_dc() : window_dc.get();
    image = Bitmap(CreateCompatibleBitmap(source, get.width(), get.height()));
    const MadeDC memory = memory_dc_like(source);
    const Selected target(memory.get(), image.get());
    BitBlt(memory.get(), 0, 0, get.width(), get.height(), source, get.first.x, get.first.y, SRCCOPY);
  }
  // The variable may still fail (a subscript out of range): the image goes with the error.
  const int32_t old_value = eval_int(ex.in, get.variable);
  record_image(ex.in, get.variable, old_value, std::move(image));
}

void put_image(Exec& ex, std::string_view args) {
  const PutImageArgs put = parse_put_image(ex.in, args);
  BITMAP info{};
  if (!bitmap_size(put.image, info)) raise_error(1, "put image: the value is not an image");
  DrawingSurfaces s(win32(ex).display);
  if (!s.bitmap()) return;
  {
    const MadeDC memory = memory_dc_like(s.bitmap());
    const Selected source(memory.get(), as_bitmap(put.image));
    s.draw([&](HDC dc) { BitBlt(dc, put.at.x, put.at.y, info.bmWidth, info.bmHeight, memory.get(), 0, 0, put.raster_operation); });
  }
  s.touched(put.at.x, put.at.y, int64_t{put.at.x} + info.bmWidth, int64_t{put.at.y} + info.bmHeight);
}

namespace {

// Text in a font of the default or OEM character set is read by the "A"
// functions in the system's code pages; as UTF-16 from code page 932 it shows
// the same on every locale. Other sets name their own code page, on any locale.
bool drawn_as_unicode(BYTE char_set) { return char_set == DEFAULT_CHARSET || char_set == OEM_CHARSET; }

void text_out(HDC dc, int x, int y, std::string_view text, BYTE char_set) {
  if (!drawn_as_unicode(char_set)) {
    TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
    return;
  }
  const std::wstring units = wide(text);
  TextOutW(dc, x, y, units.data(), static_cast<int>(units.size()));
}

}  // namespace

void stmt_gprint(Exec& ex, std::string_view args) {
  const TextArgs t = parse_text(ex.in, args);
  Win32Services& services = win32(ex);
  const FontRecord& base = services.text.font;
  LOGFONTA lf{};
  lf.lfHeight = t.height.value_or(base.height);
  lf.lfWidth = t.width;
  lf.lfEscapement = base.escapement;
  lf.lfOrientation = base.orientation;
  lf.lfWeight = t.weight;
  lf.lfItalic = t.italic ? 1 : 0;
  lf.lfCharSet = t.char_set;
  lf.lfOutPrecision = base.out_precision;
  lf.lfClipPrecision = base.clip_precision;
  lf.lfQuality = base.quality;
  lf.lfPitchAndFamily = base.pitch_and_family;
  if (t.face.empty()) std::memcpy(lf.lfFaceName, base.face_name.data(), sizeof lf.lfFaceName);
  else std::strncpy(lf.lfFaceName, t.face.c_str(), sizeof lf.lfFaceName - 1);  // longer names are cut
  DrawingSurfaces s(services.display);
  s.select_kept_font(s.font(lf));
  s.draw([&](HDC dc) {
    SetTextColor(dc, t.colour);
    if (t.background == kTransparentRgb) {
      SetBkMode(dc, TRANSPARENT);
    } else {
      SetBkMode(dc, OPAQUE);
      SetBkColor(dc, t.background);
    }
    text_out(dc, t.x, t.y, t.text, lf.lfCharSet);
  });
  // The text's box, bounded without measuring the text (which costs as much as
  // drawing it): no more characters than bytes, none wider than the font's
  // widest; widened by one more on both sides for overhanging and slanted glyphs.
  if (lf.lfEscapement != 0) {
    s.touched(0, 0, services.display.screen.cx, services.display.screen.cy);  // turned text: any direction
  } else {
    const int64_t advance = s.kept_font_advance();
    const int64_t width = static_cast<int64_t>(t.text.size()) * advance;
    s.touched(int64_t{t.x} - advance, t.y, int64_t{t.x} + width + advance, int64_t{t.y} + advance);
  }
}

}  // namespace tess
