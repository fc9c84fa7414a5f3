// The built-in function codes by name, generated from interp/function_table.h,
// and the function token that names one in program text: 0x01 'f' and the
// code's two bytes, high byte first.
#pragma once
#include <cstdint>
#include <string>

#include "interp/function_table.h"

namespace tess {

enum class Fn : uint16_t {
#define TESS_NAME(name, code, keyword, needs, refusal, role) name = code,
  TESS_FUNCTIONS(TESS_NAME)
#undef TESS_NAME
};

constexpr uint16_t code_of(Fn f) { return static_cast<uint16_t>(f); }

inline std::string function_token(Fn f) {
  return {'\x01', 'f', static_cast<char>(code_of(f) >> 8), static_cast<char>(code_of(f) & 0xFF)};
}

}  // namespace tess
