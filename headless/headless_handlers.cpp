#include "headless/headless_handlers.h"

namespace tess {

static_assert(handles_every_code(kHeadlessStatementLists, kHeadlessBuiltinLists),
              "a code has neither a handler nor a refusal");

const HandlerTable& headless_handlers() {
  static const HandlerTable table = make_handler_table(kHeadlessStatementLists, kHeadlessBuiltinLists);
  return table;
}

}  // namespace tess
