// Control flow that the runner and dispatcher use directly (the else check of
// skip mode and the block close) and the moves that several statements share.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

// In skip mode: how much of the statement runs (all of it, or the part before
// an else), or nothing. A missing block end is error 20.
std::optional<std::size_t> else_check(Interpreter& in, int t, std::string_view statement);

// A statement beginning with '}'.
void block_close(Interpreter& in, int t, std::string_view statement);

// The jump: counter to the target, skip mode cleared, statement start found.
void jump_to(Interpreter& in, int t, int32_t target);

// The call: the return entry pushed (error 99 at the 1024th), then the jump.
void call_to(Interpreter& in, int t, int32_t target);

// The interpreter reset's part: every thread's return positions cleared (the
// depths stay).
void clear_return_stacks(Interpreter& in);

}  // namespace tess
