// The rows of the function table (function_table.h) and their lookup by code.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "interp/function_table.h"
#include "interp/needs.h"

namespace tess {

class Interpreter;
using Builtin = std::string (*)(Interpreter&, std::string_view args);

struct FunctionInfo {
  uint16_t code;
  std::string_view keyword;
  Needs needs;
  std::string_view refusal;  // the function's name in a refusal ("Point")
  std::string_view role;
};

#define TESS_COUNT(...) +1
inline constexpr std::size_t kFunctionCount = 0 TESS_FUNCTIONS(TESS_COUNT);
#undef TESS_COUNT

// The rows, in code order; a row's place is the index of its built-in.
extern const FunctionInfo kFunctionRows[kFunctionCount];
inline std::span<const FunctionInfo> all_functions() { return kFunctionRows; }
inline std::size_t row_index(const FunctionInfo& row) { return static_cast<std::size_t>(&row - kFunctionRows); }

// The row for a code, or null when the code is not listed.
const FunctionInfo* find_function(uint16_t code);

}  // namespace tess
