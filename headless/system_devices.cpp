// The music statement's alloc form touches no device: there is nothing to
// allocate. Every other form needs a sound device. (The other statements and
// functions that need the shell, clipboard, printer or a sound device refuse
// through headless/refusals.h.)
#include "headless/refusals.h"
#include "interp/interpreter.h"
#include "sound/music_performance.h"
#include "sound/sound_handlers.h"

namespace tess {

void stmt_play(Exec&, std::string_view args) {
  if (!is_alloc_form(args)) refuse(Stmt::kPlay);
}

}  // namespace tess
