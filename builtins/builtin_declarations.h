// Declarations of every built-in named in function_table.h, grouped by family.
#pragma once
#include <string>
#include <string_view>

#include "builtins/keyboard_builtins.h"
#include "builtins/numeric_builtins.h"
#include "builtins/string_builtins.h"
#include "files/file_functions.h"
#include "builtins/window_builtins.h"
#include "system/system_builtins.h"

namespace tess {

class Interpreter;

}  // namespace tess
