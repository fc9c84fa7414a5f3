// Statement handlers of control flow, execution threads, event traps, data and
// declarations.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "interp/program_text.h"
#include "interp/thread_slots.h"

namespace tess {

struct Exec;
class Interpreter;

// Jumps, calls, the computed branch, restart and end.
void stmt_jump(Exec&, std::string_view args);
void stmt_plain_jump(Exec&, std::string_view args);
void stmt_clearing_jump(Exec&, std::string_view args);
void stmt_call(Exec&, std::string_view args);
void stmt_return(Exec&, std::string_view args);
void stmt_computed_branch(Exec&, std::string_view args);
void stmt_restart(Exec&, std::string_view args);
void stmt_reset(Exec&, std::string_view args);
void stmt_end(Exec&, std::string_view args);
void stmt_wait(Exec&, std::string_view args);

// The conditional and the loops.
void stmt_conditional(Exec&, std::string_view args);
void stmt_loop_head(Exec&, std::string_view args);
void stmt_loop_end(Exec&, std::string_view args);
void stmt_loop_test(Exec&, std::string_view args);

// The parts of a counted loop head: exit target, blank, assignment "to" limit
// ["step" increment] (increment "1" without step). Malformed heads are error 1.
struct LoopHead {
  int32_t exit_target;
  std::string_view assignment;
  std::string_view limit;
  std::string_view increment;
};
LoopHead parse_loop_head(const ProgramText& text, std::string_view args);
// The loop variable's name: the assignment's target without blanks (error 1
// when the assignment has no '=').
std::string loop_variable(const LoopHead& head);
// The loop end: back to the head, which then steps.
inline void loop_back(ThreadSlot& s, int32_t head) {
  s.pc = head;
  s.loop_continue = true;
}

// The conditional once its condition is known: where thread t goes on.
void take_conditional_branch(Interpreter& in, int t, bool holds);

void stmt_thread(Exec&, std::string_view args);

// Event traps.
void stmt_key_trap(Exec&, std::string_view args);
void stmt_mouse_trap(Exec&, std::string_view args);

// Data and declarations.
void stmt_read(Exec&, std::string_view args);
void stmt_restore(Exec&, std::string_view args);
void stmt_type_default(Exec&, std::string_view args);
void stmt_declare(Exec&, std::string_view args);
void stmt_swap(Exec&, std::string_view args);
void stmt_replace_part(Exec&, std::string_view args);

}  // namespace tess
