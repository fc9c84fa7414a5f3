#include "session/win32_handlers.h"

#include "session/handler_lists.h"

namespace tess {
namespace {

constexpr StatementList kCoreList[] = {kCoreStatements};
constexpr auto kStatementLists = join_lists(kCoreList, kSharedStatementLists, kDeviceStatementLists);
constexpr auto kBuiltinLists = join_lists(kSharedBuiltinLists, kDeviceBuiltinLists);
static_assert(handles_every_code(kStatementLists, kBuiltinLists), "a code has no handler in runtime.exe");

}  // namespace

const HandlerTable& win32_handlers() {
  static const HandlerTable table = [] {
    HandlerTable t;
    install_all<StatementList>(t, kStatementLists);
    install_all<BuiltinList>(t, kBuiltinLists);
    return t;
  }();
  return table;
}

}  // namespace tess
