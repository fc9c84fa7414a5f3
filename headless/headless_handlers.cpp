#include "headless/headless_handlers.h"

#include "headless/refusals.h"
#include "session/handler_lists.h"

namespace tess {
namespace {

constexpr StatementList kHeadlessStatementLists[] = {kCoreStatements, kRefusedStatements};
constexpr BuiltinList kHeadlessBuiltinLists[] = {kRefusedBuiltins};
constexpr auto kStatementLists = join_lists(kSharedStatementLists, kHeadlessStatementLists);
constexpr auto kBuiltinLists = join_lists(kSharedBuiltinLists, kHeadlessBuiltinLists);
static_assert(handles_every_code(kStatementLists, kBuiltinLists), "a code has neither a handler nor a refusal");

}  // namespace

const HandlerTable& headless_handlers() {
  static const HandlerTable table = [] {
    HandlerTable t;
    install_all<StatementList>(t, kStatementLists);
    install_all<BuiltinList>(t, kBuiltinLists);
    return t;
  }();
  return table;
}

}  // namespace tess
