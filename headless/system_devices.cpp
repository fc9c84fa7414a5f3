// The headless host has no shell, clipboard, printer, sound device or display:
// the statements and functions that need one end the run with a runtime error.
#include "console/printer_handlers.h"
#include "interp/error.h"
#include "interp/interpreter.h"
#include "sound/music_performance.h"
#include "sound/sound_handlers.h"
#include "system/system_builtins.h"
#include "system/system_handlers.h"

namespace tess {

void stmt_shell(Exec&, std::string_view) { raise_error(1, "shell open: needs the Windows shell"); }
void stmt_clipboard(Exec&, std::string_view) { raise_error(1, "clipboard text: needs the Windows clipboard"); }
void stmt_choose_printer(Exec&, std::string_view) { raise_error(1, "choose printer: needs a printer"); }
void stmt_lprint(Exec&, std::string_view) { raise_error(1, "printer: needs a printer"); }
void stmt_mci(Exec&, std::string_view) { raise_error(1, "MCI command: needs a sound device"); }

// The alloc form touches no device: there is nothing to allocate.
void stmt_play(Exec&, std::string_view args) {
  if (!is_alloc_form(args)) raise_error(1, "music: needs a sound device");
}

std::string fn_clipboard(Interpreter&, std::string_view) { raise_error(1, "clipboard text: needs the Windows clipboard"); }
std::string fn_hwnd(Interpreter&, std::string_view) { raise_error(1, "console window handle: needs a display"); }

}  // namespace tess
