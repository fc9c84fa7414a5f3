// Call expansion: every function token in an argument text replaced by its value.
#pragma once
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

std::string expand_calls(Interpreter& in, std::string_view text);

// Performs an expanded statement text as an assignment.
void perform_assignment(Interpreter& in, std::string_view text);

}  // namespace tess
