// Helpers for the tokeniser tests: program text from source, and the byte
// pieces expected bytes are built from.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "interp/function_codes.h"
#include "interp/statement_codes.h"
#include "tools/tokenizer/tokenizer.h"

namespace tess::tok::testing {

inline std::string text_of(std::string_view source) {
  const auto bytes = tokenize(source);
  return std::string(bytes.begin(), bytes.end());
}

// A statement code's two bytes.
inline std::string st(Stmt code) { return code_bytes(code); }
inline std::string st(uint16_t code) { return st(static_cast<Stmt>(code)); }
// A function token.
inline std::string fn(Fn code) { return function_token(code); }
inline std::string fn(uint16_t code) { return fn(static_cast<Fn>(code)); }
// An operator token.
inline std::string op(char letter) { return std::string{'\x01', letter}; }

// The error a source produces, as "line:column: message" ("" when it tokenises).
inline std::string error_of(std::string_view source) {
  try {
    tokenize(source);
  } catch (const SourceError& e) {
    return std::to_string(e.line) + ":" + std::to_string(e.column) + ": " + e.message;
  }
  return "";
}

}  // namespace tess::tok::testing
