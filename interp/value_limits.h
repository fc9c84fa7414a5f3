// The working limits of expressions and the variable store, and the runtime
// error that refuses anything beyond them (never a write past a buffer).
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "interp/error.h"

namespace tess {

inline constexpr int kValueError = 1;  // every expression and variable error

inline constexpr std::size_t kMaxExpression = 8191;    // 8,192-byte working buffers
inline constexpr std::size_t kMaxOperandToken = 255;
inline constexpr std::size_t kMaxOperands = 255;
inline constexpr std::size_t kMaxIndexes = 255;
inline constexpr std::size_t kMaxName = 1024;
inline constexpr std::size_t kMaxDirectory = 65535;    // 65,536 bytes with the terminator
inline constexpr std::size_t kMaxUserFunctions = 255;
inline constexpr std::size_t kMaxUserFunctionText = 1023;  // 1,024-byte head and body slots
inline constexpr std::size_t kMaxTypeLetters = 255;
// Nested groups, indexes and calls recurse; deeper nesting than this is refused
// so that no execution thread can run out of stack.
inline constexpr int kMaxNesting = 1000;
inline constexpr std::size_t kMaxArrayElements = std::size_t{1} << 24;

[[noreturn]] inline void value_error(std::string detail) { raise_error(kValueError, std::move(detail)); }

[[noreturn]] inline void limit_error(std::string_view what) {
  raise_error(kValueError, "limit: " + std::string(what));
}

}  // namespace tess
