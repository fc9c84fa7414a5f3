// The one place that gathers the subsystems' handler lists: which a host
// installs, and the check that a host's lists give every code of the tables a
// handler (made at compile time by each host's registration, and by a test).
#pragma once
#include <array>
#include <cstddef>
#include <span>

#include "builtins/keyboard_builtins.h"
#include "builtins/numeric_builtins.h"
#include "builtins/string_builtins.h"
#include "builtins/window_builtins.h"
#include "console/console_handlers.h"
#include "console/printer_handlers.h"
#include "files/file_functions.h"
#include "files/file_handlers.h"
#include "graphics/graphics_handlers.h"
#include "interp/core_handlers.h"
#include "interp/handler_table.h"
#include "sound/sound_handlers.h"
#include "system/system_builtins.h"
#include "system/system_handlers.h"
#include "windows/window_handlers.h"

namespace tess {

using StatementList = std::span<const StatementHandler>;
using BuiltinList = std::span<const BuiltinHandler>;

// Handlers every host defines (CLS and PLAY each host its own way).
inline constexpr StatementList kSharedStatementLists[] = {
    kConsoleStatements, kFileStatements, kGraphicsStatements, kSoundStatements, kSystemStatements,
};
inline constexpr BuiltinList kSharedBuiltinLists[] = {
    kFileBuiltins, kKeyboardBuiltins, kNumericBuiltins, kStringBuiltins, kSystemBuiltins, kWindowBuiltins,
};

// Handlers only a host with the devices (display, sound, printer, shell,
// clipboard) defines; a host without them installs refusals instead.
inline constexpr StatementList kDeviceStatementLists[] = {
    kPrinterDeviceStatements, kGraphicsDeviceStatements, kSoundDeviceStatements,
    kSystemDeviceStatements,  kWindowDeviceStatements,
};
inline constexpr BuiltinList kDeviceBuiltinLists[] = {kSystemDeviceBuiltins, kWindowDeviceBuiltins};

// Several arrays of lists as one.
template <typename List, std::size_t... N>
constexpr std::array<List, (N + ...)> join_lists(const List (&... parts)[N]) {
  std::array<List, (N + ...)> all{};
  std::size_t at = 0;
  auto append = [&](const auto& part) {
    for (const List& list : part) all[at++] = list;
  };
  (append(parts), ...);
  return all;
}

// What runtime.exe installs: the core's own, the shared and the device lists.
inline constexpr StatementList kCoreStatementList[] = {kCoreStatements};
inline constexpr auto kWin32StatementLists = join_lists(kCoreStatementList, kSharedStatementLists, kDeviceStatementLists);
inline constexpr auto kWin32BuiltinLists = join_lists(kSharedBuiltinLists, kDeviceBuiltinLists);

// A host's table, made once from its lists.
inline HandlerTable make_handler_table(std::span<const StatementList> statements, std::span<const BuiltinList> builtins) {
  HandlerTable table;
  for (const StatementList& list : statements) table.install(list);
  for (const BuiltinList& list : builtins) table.install(list);
  return table;
}

namespace handler_check {

template <typename Code, typename List>
constexpr bool listed(Code code, std::span<const List> lists) {
  for (const List& list : lists)
    for (const auto& entry : list)
      if (entry.code == code) return true;
  return false;
}

inline constexpr Stmt kEveryStatement[] = {
#define TESS_CODE(name, ...) Stmt::name,
    TESS_STATEMENTS(TESS_CODE)
#undef TESS_CODE
};
inline constexpr Fn kEveryFunction[] = {
#define TESS_CODE(name, ...) Fn::name,
    TESS_FUNCTIONS(TESS_CODE)
#undef TESS_CODE
};

}  // namespace handler_check

// Does every code of both tables have a handler in one of the lists? FN is the
// core's own (it calls the program's functions) and has none.
constexpr bool handles_every_code(std::span<const StatementList> statements, std::span<const BuiltinList> builtins) {
  for (Stmt code : handler_check::kEveryStatement)
    if (!handler_check::listed(code, statements)) return false;
  for (Fn code : handler_check::kEveryFunction)
    if (code != Fn::kUserFunction && !handler_check::listed(code, builtins)) return false;
  return true;
}

}  // namespace tess
