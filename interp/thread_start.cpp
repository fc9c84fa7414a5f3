// The thread start: execution threads 1-254 (and slot 0 again once the main
// thread has ended) run the statement runner on a system thread of their own.
#include <system_error>

#include "interp/error.h"
#include "interp/flow_handlers.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"

namespace tess {
namespace {

constexpr char kNoFreeThread[] = "\x82\xb1\x82\xea\x88\xc8\x8f\xe3\x82\xcc\x83\x58\x83\x8c\x83\x62\x83\x68\x82\xf0"
                                 "\x90\xb6\x90\xac\x82\xb7\x82\xe9\x82\xb1\x82\xc6\x82\xcd\x82\xc5\x82\xab\x82\xdc"
                                 "\x82\xb9\x82\xf1";  // "これ以上のスレッドを生成することはできません"

}  // namespace

// The slot is claimed before the system thread exists, so the last-thread rule
// never sees a moment with no slot in use. Its statement start is set as a jump
// sets it, so that a conditional on the thread's first line finds itself.
int Interpreter::start_thread(int32_t pc) {
  int t = -1;
  {
    std::lock_guard guard(state_mutex_);
    for (int i = 0; i < kThreadSlots && t < 0; ++i)
      if (!slots_[static_cast<std::size_t>(i)].in_use) t = i;
    if (t < 0) return -1;
    ThreadSlot& s = slot(t);
    s.call_depth = 0;
    s.pc = pc;
    s.statement_start = separator_before(text_, pc);
    s.thread_id = 0;
    s.in_use = true;
    threads_in_use_.fetch_add(1);
  }
  try {
    host_.start_thread([this, t] {
      slot(t).thread_id = host_.current_thread_id();
      run_thread(t);
    });
  } catch (const std::system_error&) {
    end_thread(t);
    return -1;
  }
  return t;
}

void stmt_thread(Exec& ex, std::string_view args) {
  if (ex.in.start_thread(read_target(ex.in.text(), args)) < 0) raise_error(99, kNoFreeThread);
}

}  // namespace tess
