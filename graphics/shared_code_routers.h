// The halves of the shared statement codes that other subsystems own: line input
// (Stmt::kLine) and the record read and write (Stmt::kGet, Stmt::kPut). The
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
