// The statement runner: walks the program text from a thread's program counter,
// cuts one statement at a time and hands it to the dispatcher.
#include <new>
#include <optional>
#include <stdexcept>

#include "interp/compiled_expression.h"
#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/interpreter.h"
#include "interp/statement_plan.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

// The statement is the program text from its first byte up to where cutting
// stopped; only a statement running past the end of the text is copied.
std::string_view cut_text(const ProgramText& text, int32_t start, std::size_t length, std::string& storage) {
  if (start >= -ProgramText::kPrefix && int64_t{start} + static_cast<int64_t>(length) <= text.length())
    return text.from(start).substr(0, length);
  storage.clear();
  for (std::size_t i = 0; i < length; ++i) storage += static_cast<char>(text.at(start + static_cast<int32_t>(i)));
  return storage;
}

// Cutting: a '"' toggles quoted mode; the statement ends at a zero byte, at
// '\n', or at ':' outside quotes unless it begins with the conditional code.
std::size_t cut_length(const ProgramText& text, int32_t start, bool code_taken) {
  std::size_t length = code_taken ? 2 : 0;
  int32_t pc = start + static_cast<int32_t>(length);
  const bool conditional = text.at(start) == 0x10 && text.at(start + 1) == 0x21;
  bool quoted = false;
  for (;;) {
    const uint8_t b = text.at(pc);
    if (b == 0 || b == '\n') break;
    if (b == '"') quoted = !quoted;
    else if (b == ':' && !quoted && !(conditional && length >= 2)) break;
    ++length;
    ++pc;
  }
  return length;
}

// The line start: a ':' keeps the counter on its last following blank, a line
// number and the character after it are skipped, any other first character is
// skipped. Answers where the statement begins and whether its code bytes are
// taken unexamined (even ':' or '"').
int32_t line_start(const ProgramText& text, int32_t pc, bool& code_taken) {
  const uint8_t c = text.at(pc);
  if (c == ':') {
    while (is_blank_or_tab(text.at(pc + 1))) ++pc;
  } else if (c >= '0' && c < 0x80) {
    while (is_digit(text.at(pc))) ++pc;
    ++pc;  // the blank after the line number, or whatever character stands there
  } else {
    ++pc;
  }
  const uint8_t before = text.at(pc - 1);
  code_taken = (before == ' ' || before == ':') && (text.at(pc) == 0x10 || text.at(pc) == 0x11);
  return pc;
}

// A plan that hands its statement back has changed nothing.
bool run_plan(StatementCache::Plan& plan, Exec& ex) {
  try {
    plan.run(ex);
    return true;
  } catch (const NotExact&) {
  } catch (const ProgramError&) {
  }
  return false;
}

}  // namespace

CutLengths::CutLengths(std::size_t text_length) : lengths_(text_length) {}

void CutLengths::remember(int32_t start, bool code_taken, std::size_t length) {
  if (start < 0 || static_cast<std::size_t>(start) >= lengths_.size() || length >= (1u << 30)) return;
  const auto v = static_cast<uint32_t>((length + 1) << 1 | (code_taken ? 1 : 0));
  lengths_[static_cast<std::size_t>(start)].store(v, std::memory_order_relaxed);
}

namespace {

// While one execution thread runs alone nobody else can want the interpreter
// lock, so its runner keeps it from one statement to the next and saves a lock
// and an unlock per statement. It lets go after every statement as soon as a
// second slot is in use (the thread start counts the new slot before its thread
// exists), before the pending statement, at the thread's end, and at least
// every kLongestHold statements.
constexpr int kLongestHold = 1024;

}  // namespace

void Interpreter::run_thread(int t) {
  ThreadSlot& s = slot(t);
  const ProgramText& text = text_;
  int32_t& pc = s.pc;
  std::string storage;
  std::unique_lock<std::mutex> lock(lock_, std::defer_lock);
  int held_for = 0;
  auto finish = [&] {
    if (lock.owns_lock()) lock.unlock();
    end_thread(t);
  };
  // With the caches on, the else check and a planned statement run here; the
  // dispatcher gets only what has no plan or what its plan hands back.
  Exec ex{*this, t, lock};  // for plans, which never end the thread
  std::string kept_storage;
  // A statement past the else check: its plan, or the text.
  auto run_kept = [&](std::string_view statement, int32_t pos) {
    try {
      if (StatementCache::Plan* plan = cache_.ready_plan(pos, statement.size()))
        return run_plan(*plan, ex) || dispatch_at(lock, statement, t, pos, false, false);
      if (const auto done = cache_.run(ex, statement, pos)) return *done;
    } catch (const ProgramError& error) {
      report(error, statement, t);
      return false;
    }
    return dispatch_at(lock, statement, t, pos, false, false);
  };
  // Runs the statement cut at start under the lock; false ends the thread. A
  // remembered step holds the statement's plans and its else check.
  auto run_at = [&](int32_t start, std::size_t length, RunnerSteps::Entry* step) {
    if (!lock.owns_lock()) lock.lock();
    if (stop_requested()) return false;  // checked under the lock: an error report may have stopped the run
    if (!caches_on_) return dispatch_at(lock, cut_text(text, start, length, storage), t, start, s.skip_mode, false);
    held_lock_ = &lock;
    if (!s.skip_mode) {
      if (step && step->plan)  // handed back: the text runs it
        return run_plan(*step->plan, ex) || dispatch_at(lock, cut_text(text, start, length, storage), t, start, false, false);
      const bool go_on = run_kept(cut_text(text, start, length, storage), start);
      if (step && go_on && lock.owns_lock()) step->plan = cache_.ready_plan(start, length);
      return go_on;
    }
    if (step && step->skip_kept != RunnerSteps::kUnknown) {
      pc = step->skip_pc_after;
      if (step->skip_kept == RunnerSteps::kNothingRuns) return true;
      const auto kept = static_cast<std::size_t>(step->skip_kept);
      if (step->skip_plan)
        return run_plan(*step->skip_plan, ex) || dispatch_at(lock, cut_text(text, start, kept, storage), t, start, false, false);
      const bool go_on = run_kept(cut_text(text, start, kept, storage), start);
      if (go_on && lock.owns_lock()) step->skip_plan = cache_.ready_plan(start, kept);
      return go_on;
    }
    const std::string_view statement = cut_text(text, start, length, storage);
    std::optional<std::string_view> kept;
    try {
      kept = cache_.else_check(*this, t, statement, start, kept_storage);
    } catch (const ProgramError& error) {
      report(error, statement, t);
      return false;
    }
    // Only a part that is the statement's beginning is remembered.
    const bool prefix = !kept || kept->data() == statement.data();
    if (step && prefix) {
      step->skip_pc_after = pc;
      step->skip_kept = kept ? static_cast<int32_t>(kept->size()) : RunnerSteps::kNothingRuns;
    }
    if (!kept) return true;  // skipped
    const bool go_on = run_kept(*kept, start);
    if (step && prefix && go_on && lock.owns_lock()) step->skip_plan = cache_.ready_plan(start, kept->size());
    return go_on;
  };
  // After a statement: the lock goes when another thread may want it, and
  // thread 0 runs the pending statement.
  auto after_statement = [&] {
    if (lock.owns_lock() && (threads_in_use_.load(std::memory_order_relaxed) > 1 || ++held_for >= kLongestHold)) {
      lock.unlock();
      held_for = 0;
    }
    if (t == 0 && (has_pending_.load(std::memory_order_relaxed) || has_queued_.load(std::memory_order_relaxed))) {
      if (lock.owns_lock()) lock.unlock();
      std::string pending;
      if (take_pending(pending) && !dispatch(pending, 0)) return false;
      while (take_queued(pending))
        if (!dispatch(pending, 0)) return false;
    }
    return true;
  };

  // A statement and what follows it; an allocation that fails anywhere inside
  // (a plan, the text path, the pending statement) is the run's error report.
  auto run_guarded = [&](int32_t start, std::size_t length, RunnerSteps::Entry* step) {
    try {
      return run_at(start, length, step) && after_statement();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    if (!lock.owns_lock()) lock.lock();
    report(out_of_memory(), cut_text(text, start, length, storage), t);
    return false;
  };

  // Cutting, with the cut lengths remembered per statement start.
  auto cut = [&](int32_t start, bool code_taken) {
    std::size_t length = 0;
    if (!(caches_on_ && cut_lengths_.find(start, code_taken, length))) {
      length = cut_length(text, start, code_taken);
      if (caches_on_) cut_lengths_.remember(start, code_taken, length);
    }
    return length;
  };
  // From the counter after a statement to the next statement, as the text
  // says; false when the thread ends there.
  auto step_from_text = [&](NextStatement& next) {
    if (text.is_line_end(pc)) {
      s.skip_mode = false;
      ++pc;
      s.statement_start = pc;
      if (text.at(pc) == 0 && pc >= 0) return false;
      bool code_taken = false;
      next.kind = StepKind::LineEnd;
      next.start = line_start(text, pc, code_taken);
      next.length = cut(next.start, code_taken);
      return true;
    }
    if (text.at(pc) == ':') {
      next.kind = StepKind::Separator;
      s.statement_start = pc;
      while (is_blank_or_tab(text.at(pc + 1))) ++pc;
    } else {
      next.kind = StepKind::Other;
      if (s.skip_mode) s.statement_start = pc;
    }
    if (text.at(pc) == 0 && pc >= 0) return false;
    next.start = pc + 1;
    next.length = cut(next.start, false);
    return true;
  };
  // The same step remembered: only what it sets is done again.
  auto take_step = [&](StepKind kind, int32_t from) {
    switch (kind) {
      case StepKind::LineEnd:
        s.skip_mode = false;
        s.statement_start = from + 1;
        break;
      case StepKind::Separator: s.statement_start = from; break;
      case StepKind::Other:
        if (s.skip_mode) s.statement_start = from;
        break;
    }
  };

  if (pc != 0 && text.is_line_end(pc)) ++pc;
  NextStatement next;
  {
    bool code_taken = false;
    next.start = line_start(text, pc, code_taken);
    next.length = cut(next.start, code_taken);
  }
  RunnerSteps::Entry* step = nullptr;  // the remembered step that led to next
  for (;;) {
    pc = next.start + static_cast<int32_t>(next.length);
    if (next.length > 0 && !run_guarded(next.start, next.length, step)) return finish();

    // Steps are remembered only by a thread holding the lock (one running
    // alone); the others work them out from the text outside it.
    const int32_t from = pc;
    step = (caches_on_ && lock.owns_lock()) ? steps_.at(from) : nullptr;
    if (step && step->length != 0) {
      next = RunnerSteps::read(*step, from);
      take_step(next.kind, from);
      continue;
    }
    if (!step_from_text(next)) return finish();
    if (step && !RunnerSteps::remember(*step, from, next)) step = nullptr;
  }
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

}  // namespace tess
