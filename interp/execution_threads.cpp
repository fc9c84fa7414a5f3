// Execution threads: the main thread's start, the thread start (threads 1-254,
// and slot 0 again once the main thread has ended, run the statement runner on a
// system thread of their own), a thread's end, the cooperative stop, and the
// statements that thread 0 runs between its own (pending and queued).
#include <chrono>
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

void Interpreter::run_thread(int t) {
  runner_.run(*this, t);
  end_thread(t);
}

// The slot is freed and waiters are told while the state mutex is held, so a
// shutdown that sees every slot free can release the interpreter at once.
void Interpreter::end_thread(int t) {
  std::lock_guard guard(state_mutex_);
  ThreadSlot& s = slot(t);
  if (s.in_use.exchange(false)) threads_in_use_.fetch_sub(1);
  s.thread_id = 0;
  bool last = true;
  for (const auto& other : slots_)
    if (other.in_use) last = false;
  if (last && running_ && !stop_) host_.end_program();
  state_changed_.notify_all();
}

void Interpreter::begin_main_thread() {
  ThreadSlot& s = slot(0);
  s.thread_id = host_.current_thread_id();
  if (!s.in_use.exchange(true)) threads_in_use_.fetch_add(1);
  s.skip_mode = false;
  running_ = true;
}

bool Interpreter::wait_for_threads(int timeout_ms) {
  std::unique_lock guard(state_mutex_);
  return state_changed_.wait_for(guard, std::chrono::milliseconds(timeout_ms), [&] {
    for (const auto& s : slots_)
      if (s.in_use) return false;
    return true;
  });
}

void Interpreter::request_stop() {
  {
    std::lock_guard guard(state_mutex_);
    stop_ = true;
  }
  state_changed_.notify_all();
}

void Interpreter::sleep_unless_stopped(int64_t ms) {
  host_.before_wait();
  std::unique_lock guard(state_mutex_);
  state_changed_.wait_for(guard, std::chrono::milliseconds(ms), [&] { return stop_.load(); });
}

void Interpreter::set_pending(std::string statement) {
  std::lock_guard guard(state_mutex_);
  pending_ = std::move(statement);
  has_pending_ = !pending_.empty();
}

void Interpreter::queue_statement(std::string statement) {
  if (statement.empty()) return;
  std::lock_guard guard(state_mutex_);
  if (queued_.size() >= kMaxQueued) queued_.pop_front();
  queued_.push_back(std::move(statement));
  has_queued_ = true;
}

bool Interpreter::take_queued(std::string& out) {
  if (!has_queued_.load(std::memory_order_relaxed)) return false;
  std::lock_guard guard(state_mutex_);
  if (queued_.empty()) return false;
  out = std::move(queued_.front());
  queued_.pop_front();
  has_queued_ = !queued_.empty();
  return true;
}

bool Interpreter::take_pending(std::string& out) {
  if (!has_pending_.load(std::memory_order_relaxed)) return false;
  std::lock_guard guard(state_mutex_);
  out = std::move(pending_);
  pending_.clear();
  has_pending_ = false;
  return !out.empty();
}

void stmt_thread(Exec& ex, std::string_view args) {
  if (ex.in.start_thread(read_target(ex.in.text(), args)) < 0) raise_error(99, kNoFreeThread);
}

}  // namespace tess
