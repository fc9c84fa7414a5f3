#include "interp/handler_table.h"

namespace tess {

void HandlerTable::install(std::span<const StatementHandler> list) {
  for (const StatementHandler& h : list)
    if (const StatementInfo* row = find_statement(code_of(h.code))) statements_[row_index(*row)] = h.handler;
}

void HandlerTable::install(std::span<const BuiltinHandler> list) {
  for (const BuiltinHandler& h : list)
    if (const FunctionInfo* row = find_function(code_of(h.code))) builtins_[row_index(*row)] = h.builtin;
}

}  // namespace tess
