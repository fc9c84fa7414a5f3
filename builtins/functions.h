// Function codes and their built-ins, derived from function_table.h.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "interp/needs.h"

namespace tess {

class Interpreter;
using Builtin = std::string (*)(Interpreter&, std::string_view args);

struct FunctionInfo {
  uint16_t code;
  std::string_view keyword;
  Builtin handler;  // null while the function's subsystem is not built
  Needs needs;
  std::string_view refusal;  // the function's name in a refusal ("Point")
  std::string_view role;
};

std::span<const FunctionInfo> all_functions();
const FunctionInfo* find_function(uint16_t code);

}  // namespace tess
