// The codes of the statements the dispatcher and the statement cache treat on
// their own (each one a row of interp/statement_table.h).
#pragma once
#include <cstdint>

namespace tess {

enum StatementCode : uint16_t {
  kConditional = 0x1021,
  kJump = 0x1023,
  kCall = 0x1024,
  kReturn = 0x1025,
  kLoopHead = 0x1027,
  kLoopEnd = 0x1030,
  kPlainJump = 0x1033,
  kEnd = 0x1078,
  kLet = 0x107A,
};

}  // namespace tess
