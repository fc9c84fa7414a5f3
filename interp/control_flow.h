// Control flow that the runner and dispatcher use directly: the else check of
// skip mode and the block close.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

// In skip mode: the statement to run (possibly cut before an else), or nothing.
std::optional<std::string> else_check(Interpreter& in, int t, std::string_view statement);

// A statement beginning with '}'.
void block_close(Interpreter& in, int t, std::string_view statement);

}  // namespace tess
