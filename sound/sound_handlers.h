// Statement handlers of the sound subsystem, defined by the Win32 host (PLAY
// also by the headless host, which runs its alloc form); in place of the others
// the headless host installs refusals.
#pragma once
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

struct Exec;

void stmt_play(Exec&, std::string_view args);
void stmt_mci(Exec&, std::string_view args);

// Sound statements every host defines (PLAY: each host its own).
inline constexpr StatementHandler kSoundStatements[] = {
    {Stmt::kPlay, stmt_play},
};

// Sound statements only a host with a sound device defines.
inline constexpr StatementHandler kSoundDeviceStatements[] = {
    {Stmt::kMci, stmt_mci},
};

}  // namespace tess
