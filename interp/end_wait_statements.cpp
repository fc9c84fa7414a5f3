// The end and wait statements.
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/flow_handlers.h"
#include "interp/interpreter.h"

namespace tess {

void stmt_end(Exec& ex, std::string_view args) {
  const int32_t how = strip_blanks(args).empty() ? 1 : integer_view(eval_number(ex.in, args));
  if (how == 1) {
    ex.in.request_stop();
    ex.in.host().end_program();
    ex.end_thread = true;
  } else if (how == 2) {
    ex.end_thread = true;
  }
}

// Only the wait runs with the lock released, so other threads go on meanwhile;
// a stop request cuts the sleep short.
void stmt_wait(Exec& ex, std::string_view args) {
  const int32_t ms = integer_view(eval_number(ex.in, args));
  if (ms < 0) raise_error(5);
  ex.lock.unlock();
  ex.in.sleep_unless_stopped(ms);
}

}  // namespace tess
