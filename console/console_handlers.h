// Statement handlers of the console subsystem.
#pragma once
#include <string_view>

namespace tess {

struct Exec;

void stmt_print(Exec&, std::string_view args);
void stmt_input(Exec&, std::string_view args);
void stmt_locate(Exec&, std::string_view args);        // text position
void stmt_console_area(Exec&, std::string_view args);  // console text area

}  // namespace tess
