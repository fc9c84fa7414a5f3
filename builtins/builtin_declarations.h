// Declarations of every built-in named in function_table.h, grouped by family.
#pragma once
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

}  // namespace tess
