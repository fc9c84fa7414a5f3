// The printer statement, defined by the Win32 host and, as a refusal, by the
// headless host.
#pragma once
#include <string_view>

namespace tess {

struct Exec;

void stmt_lprint(Exec&, std::string_view args);

}  // namespace tess
