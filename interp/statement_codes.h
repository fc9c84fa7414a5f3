// The statement codes by name, generated from interp/statement_table.h, and
// their two bytes as they stand in program text (first byte 0x10 or 0x11).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "interp/statement_table.h"

namespace tess {

enum class Stmt : uint16_t {
#define TESS_NAME(name, code, keyword, handler, flags, needs, refusal, role) name = code,
  TESS_STATEMENTS(TESS_NAME)
#undef TESS_NAME
};

constexpr uint16_t code_of(Stmt s) { return static_cast<uint16_t>(s); }
constexpr char first_byte(Stmt s) { return static_cast<char>(code_of(s) >> 8); }
constexpr char second_byte(Stmt s) { return static_cast<char>(code_of(s) & 0xFF); }

// The code of the two bytes at the start of a statement (listed or not).
constexpr Stmt code_of_bytes(char first, char second) {
  return static_cast<Stmt>(static_cast<uint16_t>(static_cast<uint8_t>(first) << 8 | static_cast<uint8_t>(second)));
}

// Bytes that open a statement code: the first bytes of the table's codes.
inline constexpr std::array<bool, 256> kCodeFirstBytes = [] {
  std::array<bool, 256> first{};
#define TESS_FIRST(name, code, keyword, handler, flags, needs, refusal, role) first[(code) >> 8] = true;
  TESS_STATEMENTS(TESS_FIRST)
#undef TESS_FIRST
  return first;
}();
constexpr bool is_code_first_byte(char c) { return kCodeFirstBytes[static_cast<uint8_t>(c)]; }

// Is the statement at `statement` (its two code bytes first) the given one?
constexpr bool starts_with_code(std::string_view statement, Stmt s) {
  return statement.size() >= 2 && statement[0] == first_byte(s) && statement[1] == second_byte(s);
}

// The code's two bytes as program text.
inline std::string code_text(Stmt s) { return {first_byte(s), second_byte(s)}; }

// Former names of the codes the dispatcher and the statement cache treat on
// their own; the runner's files move to the Stmt names.
enum StatementCode : uint16_t {
  kConditional = code_of(Stmt::kIf),
  kJump = code_of(Stmt::kGoto),
  kCall = code_of(Stmt::kGosub),
  kReturn = code_of(Stmt::kReturn),
  kLoopHead = code_of(Stmt::kFor),
  kLoopEnd = code_of(Stmt::kNext),
  kPlainJump = code_of(Stmt::kWend),
  kEnd = code_of(Stmt::kEnd),
  kLet = code_of(Stmt::kLet),
};

}  // namespace tess
