#include "interp/interpreter.h"

#include <cstdlib>

#include "interp/control_flow.h"
#include "interp/data_pointer.h"

namespace tess {

Interpreter::Interpreter(Host& host, ProgramText text)
    : host_(host),
      text_(std::move(text)),
      runner_(static_cast<std::size_t>(text_.length())),
      caches_on_(std::getenv("TESS_NO_CACHE") == nullptr) {}

// The interpreter reset of a run start and of the restart and reset statements.
// Each table that later subsystems add clears itself here; files, windows and
// devices stay open.
void Interpreter::reset() {
  variables_.numbers.clear();
  variables_.strings.clear();
  reset_data_pointer(*this);
  variables_.letters.clear();
  user_functions_.clear();
  clear_return_stacks(*this);
  // Nothing can name the images any more: they are deleted, so that a program
  // that loads and clears in a loop does not run out of them.
  host_.delete_images(graphics_.images.entries());
  graphics_.images.forget_all();
  voices_ = VoiceRecords{};
  traps_.reset_mouse_traps();
  set_pending({});
  {
    std::lock_guard guard(state_mutex_);
    queued_.clear();
    has_queued_ = false;
  }
  files_.reset_directory();
}

}  // namespace tess
