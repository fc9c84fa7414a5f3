// Statement handlers of the system subsystem: shell, clipboard, environment,
// printer choice and random seed. Those that need the Windows shell, the
// clipboard or a printer are defined by the Win32 host and, as refusals, by the
// headless host.
#pragma once
#include <string_view>

namespace tess {

struct Exec;

void stmt_shell(Exec&, std::string_view args);
void stmt_clipboard(Exec&, std::string_view args);
void stmt_setenv(Exec&, std::string_view args);
void stmt_choose_printer(Exec&, std::string_view args);
void stmt_randomize(Exec&, std::string_view args);

}  // namespace tess
