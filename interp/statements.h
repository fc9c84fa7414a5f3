// Statement codes and their handlers, derived from statement_table.h.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "interp/needs.h"

namespace tess {

struct Exec;
using Handler = void (*)(Exec&, std::string_view args);

enum StmtFlag : unsigned {
  kNone = 0,
  kThread = 1,        // the handler works on its execution thread's tables
  kNoExpand = 2,      // the argument text reaches the handler unexpanded
  kReleasesLock = 4,  // the handler leaves the interpreter lock itself
};

struct StatementInfo {
  uint16_t code;
  std::string_view keyword;
  Handler handler;  // null while the statement's subsystem is not built
  unsigned flags;
  Needs needs;
  std::string_view refusal;  // the statement's name in a refusal ("point")
  std::string_view role;
};

// Every listed statement, in code order.
std::span<const StatementInfo> all_statements();

// The row for a code, or null when the code is not listed.
const StatementInfo* find_statement(uint16_t code);

// A conditional statement cut at the word then (a blank, tab or ')' followed
// by "then" and a blank, tab or ':'; quotes not considered).
std::string_view cut_at_then(std::string_view statement);

// Does the text hold a function token (0x01 'f')? Without one, call expansion
// gives the text back unchanged.
bool has_function_token(std::string_view text);

// A statement's argument text: everything after the code and its blank, or
// empty when no blank or nothing follows the code.
std::string_view argument_text(std::string_view statement);

}  // namespace tess
