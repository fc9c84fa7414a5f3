#include "interp/interpreter.h"

#include <cstdlib>

#include "interp/control_flow.h"
#include "interp/core_handlers.h"
#include "interp/data_pointer.h"

namespace tess {

Interpreter::Interpreter(Host& host, ProgramText text, SessionLink link)
    : host_(host),
      text_(std::move(text)),
      runner_(static_cast<std::size_t>(text_.length())),
      caches_on_(std::getenv("TESS_NO_CACHE") == nullptr),
      session_(link.session),
      run_start_(link.run_start),
      handlers_(link.handlers) {
  // The runner's plans stand for these codes: their handlers are always there.
  handlers_.install(kCoreStatements);
}

// The interpreter reset of a run start and of the restart and reset statements.
// The subsystems' state clears through the session's hook; files, windows and
// devices stay open.
void Interpreter::reset() {
  variables_.numbers.clear();
  variables_.strings.clear();
  reset_data_pointer(*this);
  variables_.letters.clear();
  user_functions_.clear();
  clear_return_stacks(*this);
  traps_.reset_mouse_traps();
  set_pending({});
  {
    std::lock_guard guard(state_mutex_);
    queued_.clear();
    has_queued_ = false;
  }
  if (run_start_) run_start_(session_, host_);
}

}  // namespace tess
