#include "interp/statements.h"

#include "interp/code_index.h"

namespace tess {

constexpr StatementInfo kStatementRows[kStatementCount] = {
#define TESS_ROW(name, code, keyword, flags, needs, refusal, role) {code, keyword, flags, Needs::needs, refusal, role},
    TESS_STATEMENTS(TESS_ROW)
#undef TESS_ROW
};

namespace {

// Direct index over every code of the table: dispatch is one load, no search.
constexpr CodeIndex<0x200> kStatementIndex(kStatementRows);

}  // namespace

const StatementInfo* find_statement(uint16_t code) { return kStatementIndex.find(kStatementRows, code); }

}  // namespace tess
