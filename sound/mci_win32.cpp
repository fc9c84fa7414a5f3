// The MCI statement and its completion notification.
#include <string>

#include "interp/error.h"
#include "interp/interpreter.h"
#include "sound/mci_request.h"
#include "sound/sound_handlers.h"
#include "sound/sound_win32.h"
#include "startup/app_win32.h"
#include "system/wide_win32.h"

namespace tess {

void stmt_mci(Exec& ex, std::string_view args) {
  const MciRequest request = mci_request(ex.in, args);
  App& a = app();
  if (request.on_notify) {
    std::lock_guard guard(a.sound.notify_mutex);
    a.sound.notify_assignment = *request.on_notify;
  }
  const MCIERROR error = mciSendStringW(wide(request.command).c_str(), nullptr, 0, request.on_notify ? a.console : nullptr);
  if (error != 0) {
    wchar_t text[256] = {};
    mciGetErrorStringW(error, text, std::size(text));
    raise_error(99, "MCI Error:" + narrow_terminated(text, std::size(text)));
  }
}

// The assignment is queued for the main thread, which runs it between two of its
// statements under the interpreter lock like any other; a key or mouse trap
// arriving at the same moment has its own pending slot and cannot replace it.
void mci_notified() {
  App& a = app();
  if (!a.interp || !a.interp->running() || a.shutting_down) return;
  std::string assignment;
  {
    std::lock_guard guard(a.sound.notify_mutex);
    assignment = a.sound.notify_assignment;
  }
  if (!assignment.empty()) a.interp->queue_statement(std::move(assignment));
}

}  // namespace tess
