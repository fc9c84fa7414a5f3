// Statement handlers of the system subsystem: shell, clipboard, environment,
// printer choice and random seed. Those that need the Windows shell, the
// clipboard or a printer are defined by the Win32 host only; the headless host
// installs refusals in their place.
#pragma once
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

struct Exec;

void stmt_shell(Exec&, std::string_view args);
void stmt_clipboard(Exec&, std::string_view args);
void stmt_setenv(Exec&, std::string_view args);
void stmt_choose_printer(Exec&, std::string_view args);
void stmt_randomize(Exec&, std::string_view args);

// System statements every host defines.
inline constexpr StatementHandler kSystemStatements[] = {
    {Stmt::kRandomize, stmt_randomize},
    {Stmt::kSetenv, stmt_setenv},
};

// System statements only a host with the shell, clipboard and printers defines.
inline constexpr StatementHandler kSystemDeviceStatements[] = {
    {Stmt::kShell, stmt_shell},
    {Stmt::kPrinter, stmt_choose_printer},
    {Stmt::kClipboard, stmt_clipboard},
};

}  // namespace tess
