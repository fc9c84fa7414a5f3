#include "console/console_text_win32.h"

#include <cstring>
#include <string>

#include "system/wide_win32.h"

namespace tess {

LOGFONTW to_logfont(const FontRecord& f) {
  LOGFONTW lf{};
  lf.lfHeight = f.height, lf.lfWidth = f.width, lf.lfEscapement = f.escapement;
  lf.lfOrientation = f.orientation, lf.lfWeight = f.weight, lf.lfItalic = f.italic;
  lf.lfUnderline = f.underline, lf.lfStrikeOut = f.strike_out, lf.lfCharSet = f.char_set;
  lf.lfOutPrecision = f.out_precision, lf.lfClipPrecision = f.clip_precision;
  lf.lfQuality = f.quality, lf.lfPitchAndFamily = f.pitch_and_family;
  const std::wstring face = wide(std::string_view(f.face_name.data(), strnlen(f.face_name.data(), f.face_name.size())));
  face.copy(lf.lfFaceName, std::size(lf.lfFaceName) - 1);
  return lf;
}

}  // namespace tess
