// A host without a device refuses the codes that need it: the run ends with a
// runtime error whose detail reads "<refusal>: <what is missing>", both taken
// from the code's row.
#pragma once
#include "builtins/function_codes.h"
#include "interp/statement_codes.h"

namespace tess {

[[noreturn]] void refuse(Stmt code);
[[noreturn]] void refuse(Fn code);

}  // namespace tess
