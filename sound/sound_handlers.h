// Statement handlers of the sound subsystem, defined by the Win32 host and, as
// refusals, by the headless host.
#pragma once
#include <string_view>

namespace tess {

struct Exec;

void stmt_play(Exec&, std::string_view args);
void stmt_mci(Exec&, std::string_view args);

}  // namespace tess
