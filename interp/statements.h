// The rows of the statement table (statement_table.h) and their lookup by code.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "interp/needs.h"
#include "interp/statement_table.h"

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
  unsigned flags;
  Needs needs;
  std::string_view refusal;  // the statement's name in a refusal ("point")
  std::string_view role;
};

#define TESS_COUNT(...) +1
inline constexpr std::size_t kStatementCount = 0 TESS_STATEMENTS(TESS_COUNT);
#undef TESS_COUNT

// The rows, in code order; a row's place is the index of its handler.
extern const StatementInfo kStatementRows[kStatementCount];
inline std::span<const StatementInfo> all_statements() { return kStatementRows; }
inline std::size_t row_index(const StatementInfo& row) { return static_cast<std::size_t>(&row - kStatementRows); }

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
