// Statements that do (almost) nothing of their own.
#include "interp/core_handlers.h"
#include "interp/interpreter.h"

namespace tess {

// The argument text has been expanded already, so calls in it have run.
void stmt_nothing(Exec&, std::string_view) {}

void stmt_beep(Exec& ex, std::string_view) { ex.in.host().beep(); }

}  // namespace tess
