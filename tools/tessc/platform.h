// What tessc asks of the system it runs on: POSIX (Linux, runtime.exe under
// Wine) or Windows. Paths are narrow strings in the system's own encoding
// (UTF-8 on Linux, the ANSI code page on Windows).
#pragma once
#include <string>

namespace tess::tessc {

// Are command-line words and console text Shift-JIS here (Windows' ANSI code
// page) rather than UTF-8?
bool system_text_is_sjis();

// The folder that holds tessc itself ("" when unknown).
std::string self_directory();

// Do two names reach one file (the same path, a link, another spelling)?
// A name that does not exist yet is compared by its absolute spelling.
bool same_file(const std::string& a, const std::string& b);

void make_executable(const std::string& path);

// A new empty folder of its own for `tessc run` ("" on failure).
std::string make_run_folder();
std::string join_path(const std::string& folder, const std::string& name);
void remove_run_folder(const std::string& folder, const std::string& file_names_joined_by_newline);

// Runs the program with TESSALY_DIAGNOSTICS naming the file the runtime writes
// its diagnostic to; answers the program's exit status (-1 when it cannot start).
// On Linux it runs under Wine (WINE names another wine than the one on PATH).
int launch_program(const std::string& exe, const std::string& diagnostics_file);

}  // namespace tess::tessc
