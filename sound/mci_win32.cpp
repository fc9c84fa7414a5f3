// The MCI statement and its completion notification.
#include <string>

#include "interp/error.h"
#include "interp/interpreter.h"
#include "sound/mci_request.h"
#include "sound/sound_handlers.h"
#include "sound/sound_win32.h"
#include "system/wide_win32.h"
#include "system/win32_services.h"
#include "windows/display_win32.h"

namespace tess {

void stmt_mci(Exec& ex, std::string_view args) {
  const MciRequest request = mci_request(ex.in, args);
  Win32Services& s = win32(ex);
  if (request.on_notify) {
    std::lock_guard guard(s.sound.notify_mutex);
    s.sound.notify_assignment = *request.on_notify;
  }
  const MCIERROR error =
      mciSendStringW(wide(request.command).c_str(), nullptr, 0, request.on_notify ? s.display.console : nullptr);
  if (error != 0) {
    wchar_t text[256] = {};
    mciGetErrorStringW(error, text, std::size(text));
    raise_error(99, "MCI Error:" + narrow_terminated(text, std::size(text)));
  }
}

// The assignment is queued for the main thread, which runs it between two of its
// statements under the interpreter lock like any other; a key or mouse trap
// arriving at the same moment has its own pending slot and cannot replace it.
void mci_notified(Win32Services& s) {
  if (!s.interp || !s.interp->running() || s.display.shutting_down) return;
  std::string assignment;
  {
    std::lock_guard guard(s.sound.notify_mutex);
    assignment = s.sound.notify_assignment;
  }
  if (!assignment.empty()) s.interp->queue_statement(std::move(assignment));
}

}  // namespace tess
