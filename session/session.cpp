#include "session/session.h"

#include "interp/host.h"

namespace tess {

void run_start(Session& session, Host& host) {
  // Nothing can name the images any more: they are deleted, so that a program
  // that loads and clears in a loop does not run out of them.
  host.delete_images(session.graphics.images.entries());
  session.graphics.images.forget_all();
  session.voices = VoiceRecords{};
  session.files.reset_directory();
}

SessionLink session_link(Session& session, const HandlerTable& handlers) { return {session, handlers, run_start}; }

}  // namespace tess
