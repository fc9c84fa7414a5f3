// The interpreter: the program text, the per-thread tables, the interpreter lock
// and the runner and dispatcher that every execution thread uses. One instance per
// run; the hosts own it.
#pragma once
#include <optional>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "interp/error.h"
#include "interp/event_traps.h"
#include "interp/handler_table.h"
#include "interp/host.h"
#include "interp/program_text.h"
#include "interp/session_link.h"
#include "interp/source_map.h"
#include "interp/statement_runner.h"
#include "interp/thread_slots.h"
#include "interp/user_functions.h"
#include "interp/variable_store.h"

namespace tess {

class Interpreter;

// What a handler gets besides its argument text.
struct Exec {
  Interpreter& in;
  int slot;
  std::unique_lock<std::mutex>& lock;  // handlers that wait release it themselves
  bool end_thread = false;             // set by the end statement
  ThreadSlot& thread();
  Session& session();  // the subsystems' state of the run
};

class Interpreter {
 public:
  // The core's own handlers are installed here, the host's (link.handlers) first.
  Interpreter(Host& host, ProgramText text, SessionLink link);
  Interpreter(const Interpreter&) = delete;
  Interpreter& operator=(const Interpreter&) = delete;

  Host& host() { return host_; }
  const ProgramText& text() const { return text_; }
  // A map that matches the program text: errors then name the source place.
  void set_source_map(SourceMap map) { source_map_ = std::move(map); }
  ThreadSlot& slot(int t) { return slots_[static_cast<std::size_t>(t)]; }
  Session& session() { return session_; }
  const HandlerTable& handlers() const { return handlers_; }

  // Run start: clears the interpreter state (variables, tables) and, through the
  // session's hook, the session's part, for a new run.
  void reset();

  // The statement runner of one execution thread; returns when the thread ends.
  void run_thread(int t);

  // Runs one statement from its text under the interpreter lock (taken here);
  // false ends the thread.
  bool dispatch(std::string_view statement, int t);

  // The per-position caches of the statement runner (on unless the environment
  // variable TESS_NO_CACHE is set); off, every statement runs from its text.
  bool caches_on() const { return caches_on_; }
  void set_caches(bool on) { caches_on_ = on; }

  // Marks slot 0 as the main thread on the calling thread and sets the running flag.
  void begin_main_thread();

  // Cooperative stop: every runner and wait loop checks this flag.
  void request_stop();
  bool stop_requested() const { return stop_.load(std::memory_order_relaxed); }
  bool running() const { return running_.load(); }
  void clear_running() { running_ = false; }

  // Waits until no slot is in use, at most timeout_ms; true when all have ended.
  bool wait_for_threads(int timeout_ms);

  // Sleeps up to ms, waking early when a stop is requested.
  void sleep_unless_stopped(int64_t ms);

  // The pending statement of the event traps, run by thread 0 between statements.
  void set_pending(std::string statement);

  // A statement queued by a notification from outside the execution threads
  // (the MCI notify assignment): thread 0 runs every queued one, in order,
  // after the pending statement. Its own queue, so that a trap arriving at the
  // same moment cannot replace it. At most kMaxQueued wait; beyond that the
  // oldest is dropped (a device that notifies faster than statements run).
  static constexpr std::size_t kMaxQueued = 1024;
  void queue_statement(std::string statement);

  // The thread start: the lowest free slot runs from pc on a new system thread.
  // Answers the slot, or -1 when all 255 are in use.
  int start_thread(int32_t pc);

  // The lock of the statement now running, set by the dispatcher, so that a
  // built-in that waits can leave it and take it back (then setting it again).
  std::unique_lock<std::mutex>* held_lock() const { return held_lock_; }
  void set_held_lock(std::unique_lock<std::mutex>* lock) { held_lock_ = lock; }

  EventTraps& traps() { return traps_; }
  int32_t& data_pointer() { return data_pointer_; }  // the next data item

  VariableStore& variables() { return variables_; }
  UserFunctionTable& user_functions() { return user_functions_; }
  int& eval_depth() { return eval_depth_; }  // nesting of evaluations and calls

 private:
  friend class StatementRunner;  // runs statements under lock_ and hands over between them

  void end_thread(int t);
  void report(const ProgramError& error, std::string_view statement, int t);
  void locate_in_source(Diagnostic& d, std::string_view statement, int32_t start) const;
  // The dispatcher: one statement from its text, with the runner's lock held.
  bool dispatch(std::unique_lock<std::mutex>& lock, std::string_view statement, int t);
  bool run_statement(Exec& ex, std::string_view statement);
  bool take_pending(std::string& out);
  bool take_queued(std::string& out);

  Host& host_;
  ProgramText text_;
  std::optional<SourceMap> source_map_;
  StatementRunner runner_;  // its cut lengths, steps and plans
  bool caches_on_ = true;
  std::array<ThreadSlot, kThreadSlots> slots_;
  Session& session_;
  void (*run_start_)(Session&, Host&);
  HandlerTable handlers_;
  std::mutex lock_;  // the interpreter lock
  std::atomic<bool> stop_{false};
  std::atomic<bool> running_{false};
  std::atomic<int> threads_in_use_{0};  // slots in use; one alone keeps the lock between statements
  std::mutex state_mutex_;  // guards thread ends and the pending statement
  std::condition_variable state_changed_;
  std::string pending_;
  std::atomic<bool> has_pending_{false};
  std::deque<std::string> queued_;
  std::atomic<bool> has_queued_{false};
  EventTraps traps_;
  std::unique_lock<std::mutex>* held_lock_ = nullptr;
  int32_t data_pointer_ = 0;
  VariableStore variables_;
  UserFunctionTable user_functions_;
  int eval_depth_ = 0;
};

inline ThreadSlot& Exec::thread() { return in.slot(slot); }
inline Session& Exec::session() { return in.session(); }

}  // namespace tess
