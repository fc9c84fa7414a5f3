// Starting runtime.exe for `tessc run`: directly on Windows, under Wine elsewhere.
#pragma once
#include <string>

namespace tess::tessc {

// Runs the program with TESSALY_DIAGNOSTICS naming the file the runtime writes
// its diagnostic to; answers the program's exit status (-1 when it cannot start).
int launch_program(const std::string& exe, const std::string& diagnostics_file);

}  // namespace tess::tessc
