// The statement codes by name, generated from interp/statement_table.h, and
// their two bytes as they stand in program text.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "interp/statement_table.h"

namespace tess {

enum class Stmt : uint16_t {
#define TESS_NAME(name, code, keyword, flags, needs, refusal, role) name = code,
  TESS_STATEMENTS(TESS_NAME)
#undef TESS_NAME
};

constexpr uint16_t code_of(Stmt s) { return static_cast<uint16_t>(s); }
constexpr uint8_t first_byte(Stmt s) { return static_cast<uint8_t>(code_of(s) >> 8); }
constexpr uint8_t second_byte(Stmt s) { return static_cast<uint8_t>(code_of(s) & 0xFF); }

// The code of two bytes that open a statement (listed or not).
constexpr Stmt code_of_bytes(uint8_t first, uint8_t second) { return static_cast<Stmt>(first << 8 | second); }
constexpr Stmt code_of_bytes(char first, char second) {
  return code_of_bytes(static_cast<uint8_t>(first), static_cast<uint8_t>(second));
}

// Are the two bytes the given code?
constexpr bool is_code(uint8_t first, uint8_t second, Stmt s) {
  return first == first_byte(s) && second == second_byte(s);
}

// Does the statement text start with the given code's two bytes?
constexpr bool starts_with_code(std::string_view statement, Stmt s) {
  return statement.size() >= 2 && is_code(static_cast<uint8_t>(statement[0]), static_cast<uint8_t>(statement[1]), s);
}

// Bytes that open a statement code: the first bytes of the table's codes.
inline constexpr std::array<bool, 256> kCodeFirstBytes = [] {
  std::array<bool, 256> first{};
#define TESS_FIRST(name, code, keyword, flags, needs, refusal, role) first[(code) >> 8] = true;
  TESS_STATEMENTS(TESS_FIRST)
#undef TESS_FIRST
  return first;
}();
constexpr bool is_code_first_byte(uint8_t c) { return kCodeFirstBytes[c]; }
constexpr bool is_code_first_byte(char c) { return kCodeFirstBytes[static_cast<uint8_t>(c)]; }

// The code's two bytes as program text.
inline std::string code_bytes(Stmt s) { return {static_cast<char>(first_byte(s)), static_cast<char>(second_byte(s))}; }

}  // namespace tess
