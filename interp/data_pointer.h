// The data pointer: where the next item of the data statements begins.
#pragma once
#include <cstdint>

#include "interp/program_text.h"

namespace tess {

class Interpreter;

// From pos, the first item of the next data statement, found only where a
// statement may begin; the end of the text when there is none.
int32_t next_data_statement(const ProgramText& text, int32_t pos);

// The interpreter reset's part: the pointer on the first data statement.
void reset_data_pointer(Interpreter& in);

}  // namespace tess
