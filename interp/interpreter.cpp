#include "interp/interpreter.h"

namespace tess {

Interpreter::Interpreter(Host& host, ProgramText text) : host_(host), text_(std::move(text)) {}

// The interpreter reset of a run start and of the restart and reset statements.
// Each table that later subsystems add clears itself here; files, windows and
// devices stay open.
void Interpreter::reset() { set_pending({}); }

}  // namespace tess
