// The console text settings of the run: the program's font record, the console
// font made from it, and the text-area setting.
#pragma once
#include <windows.h>

#include "console/layout_walk.h"
#include "startup/program_image.h"
#include "system/gdi_handles_win32.h"

namespace tess {

struct ConsoleText {
  FontRecord font;     // as the program image gives it; GPRINT and the printer start from it
  Font console_font;   // made from the record when the run starts
  TextArea text_area;  // the console text-area setting, in pixels
};

// The font record as a LOGFONTW, its face name read as code page 932 (the
// printer scales its height).
LOGFONTW to_logfont(const FontRecord& font);

}  // namespace tess
