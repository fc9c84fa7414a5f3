// A statement of the program text written back in source form for diagnostics:
// statement codes, function tokens and operator tokens become their keywords
// (taken from the statement, function and operator tables).
#pragma once
#include <string>
#include <string_view>

namespace tess {

std::string source_form(std::string_view statement);

}  // namespace tess
