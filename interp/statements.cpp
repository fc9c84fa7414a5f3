#include "interp/statements.h"

#include "interp/code_index.h"
#include "interp/handlers.h"
#include "interp/statement_table.h"

namespace tess {
namespace {

constexpr StatementInfo kStatements[] = {
#define TESS_ROW(name, code, keyword, handler, flags, needs, refusal, role) \
  {code, keyword, handler, flags, Needs::needs, refusal, role},
    TESS_STATEMENTS(TESS_ROW)
#undef TESS_ROW
};

// Direct index over every code of the table: dispatch is one load, no search.
constexpr CodeIndex<0x200> kStatementIndex(kStatements);

}  // namespace

std::span<const StatementInfo> all_statements() { return kStatements; }

const StatementInfo* find_statement(uint16_t code) { return kStatementIndex.find(kStatements, code); }

}  // namespace tess
