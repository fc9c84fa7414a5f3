// The halves of the shared statement codes that other subsystems own: line input
// (code 0x11 0x14) and the record read and write (0x11 0x10, 0x11 0x12). The
// routers in shared_code_routers.cpp call them.
#pragma once
#include <string_view>

namespace tess {

struct Exec;

// `stripped`: the text after the word input, blanks and tabs removed.
void line_input_statement(Exec&, std::string_view stripped);

// `args`: the whole argument text, starting with '#'.
void record_read_statement(Exec&, std::string_view args);
void record_write_statement(Exec&, std::string_view args);

}  // namespace tess
