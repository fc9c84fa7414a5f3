// The handlers of the headless host: the core's own, every list all hosts
// define, and a refusal for each code that needs a device.
#pragma once
#include "headless/refusals.h"
#include "session/handler_lists.h"

namespace tess {

inline constexpr StatementList kHeadlessOwnStatementLists[] = {kCoreStatements, kRefusedStatements};
inline constexpr BuiltinList kHeadlessOwnBuiltinLists[] = {kRefusedBuiltins};
inline constexpr auto kHeadlessStatementLists = join_lists(kSharedStatementLists, kHeadlessOwnStatementLists);
inline constexpr auto kHeadlessBuiltinLists = join_lists(kSharedBuiltinLists, kHeadlessOwnBuiltinLists);

const HandlerTable& headless_handlers();

}  // namespace tess
