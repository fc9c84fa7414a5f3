// The seeding statement.
#include <ctime>

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "session/session.h"
#include "system/system_handlers.h"

namespace tess {

void stmt_randomize(Exec& ex, std::string_view args) {
  int32_t seed;
  if (strip_blanks(args).empty()) {
    seed = static_cast<int32_t>(std::time(nullptr));
  } else {
    seed = integer_view(eval_number(ex.in, args));
    if (seed < 0) raise_error(1, "negative seed");
  }
  ex.session().random.seed(seed);
}

}  // namespace tess
