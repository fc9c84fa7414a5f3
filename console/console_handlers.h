// Statement handlers of the console subsystem.
#pragma once
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

struct Exec;

void stmt_print(Exec&, std::string_view args);
void stmt_input(Exec&, std::string_view args);
void stmt_locate(Exec&, std::string_view args);        // text position
void stmt_console_area(Exec&, std::string_view args);  // console text area

// The console's statements.
inline constexpr StatementHandler kConsoleStatements[] = {
    {Stmt::kPrint, stmt_print},
    {Stmt::kInput, stmt_input},
    {Stmt::kLocate, stmt_locate},
    {Stmt::kConsole, stmt_console_area},
};

}  // namespace tess
