// Call expansion: every function token in an argument text replaced by its value.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

std::string expand_calls(Interpreter& in, std::string_view text);

// A built-in by function code, with its expanded argument text (blanks are
// stripped here): its value text. An unknown code gives an empty text.
std::string call_builtin(Interpreter& in, uint16_t code, std::string_view args);

// Performs an expanded statement text as an assignment.
void perform_assignment(Interpreter& in, std::string_view text);

}  // namespace tess
