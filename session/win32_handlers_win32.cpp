#include "session/win32_handlers.h"

#include "session/handler_lists.h"

namespace tess {

static_assert(handles_every_code(kWin32StatementLists, kWin32BuiltinLists), "a code has no handler in runtime.exe");

const HandlerTable& win32_handlers() {
  static const HandlerTable table = make_handler_table(kWin32StatementLists, kWin32BuiltinLists);
  return table;
}

}  // namespace tess
