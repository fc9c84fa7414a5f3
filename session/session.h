// The subsystems' state of one run: the file slots, the last point and the
// images, the music voices, the random numbers and the text colours. Each host
// owns one beside its interpreter and hands it over with session_link; handlers
// reach it through ex.session() (built-ins through in.session()).
#pragma once
#include "builtins/random_generator.h"
#include "console/text_colours.h"
#include "files/file_table.h"
#include "graphics/graphics_state.h"
#include "interp/session_link.h"
#include "sound/note_language.h"

namespace tess {

struct Session {
  FileTable files;         // kept open across run starts; closed at shutdown
  GraphicsState graphics;  // last point, argument forms and image table
  VoiceRecords voices;     // the music voices' octave and tempo
  RandomGenerator random;  // lives for the whole run, across run starts
  TextColours colours;
};

// The session's part of a run start (and of the restart and reset statements):
// the images are deleted, the voices and the current directory start again;
// files stay open.
void run_start(Session& session, Host& host);

// The link a host gives its interpreter: the session, the handlers it installs
// and run_start.
SessionLink session_link(Session& session, const HandlerTable& handlers);

}  // namespace tess
