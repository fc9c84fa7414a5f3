// The printer statement, defined by the Win32 host only; the headless host
// installs a refusal in its place.
#pragma once
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

struct Exec;

void stmt_lprint(Exec&, std::string_view args);

// Statements only a host with a printer defines.
inline constexpr StatementHandler kPrinterDeviceStatements[] = {
    {Stmt::kLprint, stmt_lprint},
};

}  // namespace tess
