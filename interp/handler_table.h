// The handlers of the statement and function codes. The tables name codes only;
// each subsystem lists the handlers it defines ({code, handler} pairs) and a host
// installs the lists it links. A code left without one ends the run with
// "ROLE: not built yet". Finding a handler is one load: its row's place.
#pragma once
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "interp/function_codes.h"
#include "interp/functions.h"
#include "interp/statement_codes.h"
#include "interp/statements.h"

namespace tess {

struct StatementHandler {
  Stmt code;
  Handler handler;
};

struct BuiltinHandler {
  Fn code;
  Builtin builtin;
};

class HandlerTable {
 public:
  // A later list replaces what an earlier one gave the same code.
  void install(std::span<const StatementHandler> list);
  void install(std::span<const BuiltinHandler> list);

  Handler handler(const StatementInfo& row) const { return statements_[row_index(row)]; }
  Builtin builtin(const FunctionInfo& row) const { return builtins_[row_index(row)]; }

 private:
  std::array<Handler, kStatementCount> statements_{};
  std::array<Builtin, kFunctionCount> builtins_{};
};

}  // namespace tess
