// The statement runner (statement_runner.h). Each statement goes through four
// steps, read top to bottom in Pass::run and Pass::run_next:
//   cut      where the statement starts and how long it is (CutLengths);
//   advance  over the separator after it to the next statement (RunnerSteps);
//   choose   in skip mode the else check, then the plan of what runs: one
//            cache lookup, remembered in the step that led to the statement;
//   run      the plan, or the dispatcher with the text when there is no plan
//            or the plan hands the statement back.
#include "interp/statement_runner.h"

#include <new>
#include <optional>
#include <stdexcept>

#include "interp/compiled_expression.h"
#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/interpreter.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

// While one execution thread runs alone nobody else can want the interpreter
// lock, so its runner keeps it from one statement to the next and saves a lock
// and an unlock per statement. It lets go after every statement as soon as a
// second slot is in use (the thread start counts the new slot before its thread
// exists), before the pending statement, at the thread's end, and at least
// every kLongestHold statements.
constexpr int kLongestHold = 1024;

// What runs of a statement: its first `length` bytes (all of it, or in skip
// mode the part before an else), from `plan` when there is one.
struct Choice {
  bool runs = true;  // false: the else check skips the statement
  std::size_t length = 0;
  StatementPlan* plan = nullptr;
};

}  // namespace

class StatementRunner::Pass {
 public:
  Pass(StatementRunner& runner, Interpreter& in, int t)
      : runner_(runner), in_(in), text_(in.text()), t_(t), slot_(in.slot(t)), caches_on_(in.caches_on()),
        lock_(in.lock_, std::defer_lock), ex_{in, t, lock_} {}

  // The thread's statements one after another, until one ends the thread or
  // the text ends.
  void run() {
    NextStatement next = first_statement();
    RunnerSteps::Entry* step = nullptr;  // the remembered step that led to next
    do {
      slot_.pc = next.start + static_cast<int32_t>(next.length);
      if (next.length > 0 && !run_guarded(next, step)) return;
    } while (advance(next, step));
  }

 private:
  // The steps every statement takes are put back into run() by the compiler:
  // a call per step and statement costs more than most steps themselves (a
  // planned statement is a few dozen instructions). The rest are the slow
  // paths: the first time from a step, skip mode, the text.
  [[gnu::always_inline]] std::size_t cut(int32_t start, bool code_taken);
  [[gnu::always_inline]] bool advance(NextStatement& next, RunnerSteps::Entry*& step);
  [[gnu::always_inline]] void take_step(StepKind kind, int32_t from);
  [[gnu::always_inline]] bool run_guarded(const NextStatement& next, RunnerSteps::Entry* step);
  [[gnu::always_inline]] bool run_next(const NextStatement& next, RunnerSteps::Entry* step);
  [[gnu::always_inline]] bool run_plan_or_dispatch(StatementPlan* plan, int32_t start, std::size_t length);
  [[gnu::always_inline]] bool between_statements();
  NextStatement first_statement();
  bool step_from_text(NextStatement& next);
  Choice remembered_skip(const RunnerSteps::Entry& step);
  std::optional<Choice> choose(const NextStatement& next, RunnerSteps::Entry* step);
  void remember(RunnerSteps::Entry& step, const Choice& choice);

  StatementRunner& runner_;
  Interpreter& in_;
  const ProgramText& text_;
  const int t_;
  ThreadSlot& slot_;
  const bool caches_on_;
  std::unique_lock<std::mutex> lock_;  // the interpreter lock, kept between statements while alone
  Exec ex_;                            // for plans, which never end the thread
  int held_for_ = 0;                   // statements since the lock was last let go
  std::string storage_;                // a statement running past the end of the text
};

StatementRunner::StatementRunner(std::size_t text_length) : cut_lengths_(text_length), steps_(text_length) {}

void StatementRunner::run(Interpreter& in, int t) { Pass(*this, in, t).run(); }

// Cut: the length of the statement at start, remembered per start.
inline std::size_t StatementRunner::Pass::cut(int32_t start, bool code_taken) {
  std::size_t length = 0;
  if (caches_on_ && runner_.cut_lengths_.find(start, code_taken, length)) return length;
  length = cut_length(text_, start, code_taken);
  if (caches_on_) runner_.cut_lengths_.remember(start, code_taken, length);
  return length;
}

// A thread begins at its counter as at a line start (past the line end it
// may stand on).
NextStatement StatementRunner::Pass::first_statement() {
  int32_t& pc = slot_.pc;
  if (pc != 0 && text_.is_line_end(pc)) ++pc;
  NextStatement next;
  bool code_taken = false;
  next.start = line_start(text_, pc, code_taken);
  next.length = cut(next.start, code_taken);
  return next;
}

// Advance: from the counter after a statement to the next statement; false
// when the thread ends there. Steps are remembered only by a thread holding
// the lock (one running alone); the others work them out from the text
// outside it.
inline bool StatementRunner::Pass::advance(NextStatement& next, RunnerSteps::Entry*& step) {
  const int32_t from = slot_.pc;
  step = (caches_on_ && lock_.owns_lock()) ? runner_.steps_.at(from) : nullptr;
  if (step && step->length != 0) {
    next = RunnerSteps::read(*step, from);
    take_step(next.kind, from);
    return true;
  }
  if (!step_from_text(next)) return false;
  if (step && !RunnerSteps::remember(*step, from, next)) step = nullptr;
  return true;
}

// The step as the text says.
bool StatementRunner::Pass::step_from_text(NextStatement& next) {
  int32_t& pc = slot_.pc;
  if (text_.is_line_end(pc)) {
    slot_.skip_mode = false;
    ++pc;
    slot_.statement_start = pc;
    if (text_.at(pc) == 0 && pc >= 0) return false;
    bool code_taken = false;
    next.kind = StepKind::LineEnd;
    next.start = line_start(text_, pc, code_taken);
    next.length = cut(next.start, code_taken);
    return true;
  }
  if (text_.at(pc) == ':') {
    next.kind = StepKind::Separator;
    slot_.statement_start = pc;
    while (is_blank_or_tab(text_.at(pc + 1))) ++pc;
  } else {
    next.kind = StepKind::Other;
    if (slot_.skip_mode) slot_.statement_start = pc;
  }
  if (text_.at(pc) == 0 && pc >= 0) return false;
  next.start = pc + 1;
  next.length = cut(next.start, false);
  return true;
}

// The same step remembered: only what it sets on the thread is done again.
inline void StatementRunner::Pass::take_step(StepKind kind, int32_t from) {
  switch (kind) {
    case StepKind::LineEnd:
      slot_.skip_mode = false;
      slot_.statement_start = from + 1;
      break;
    case StepKind::Separator: slot_.statement_start = from; break;
    case StepKind::Other:
      if (slot_.skip_mode) slot_.statement_start = from;
      break;
  }
}

// A statement and what follows it; an allocation that fails anywhere inside
// (a plan, the text, the pending statement) is the run's error report.
inline bool StatementRunner::Pass::run_guarded(const NextStatement& next, RunnerSteps::Entry* step) {
  try {
    return run_next(next, step) && between_statements();
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  if (!lock_.owns_lock()) lock_.lock();
  in_.report(out_of_memory(), cut_text(text_, next.start, next.length, storage_), t_);
  return false;
}

// Runs the statement cut at next under the lock; false ends the thread. The
// choice of plan or text is made once per step and then read from it.
inline bool StatementRunner::Pass::run_next(const NextStatement& next, RunnerSteps::Entry* step) {
  if (!lock_.owns_lock()) lock_.lock();
  if (in_.stop_requested()) return false;  // checked under the lock: an error report may have stopped the run
  in_.set_held_lock(&lock_);
  if (step && !slot_.skip_mode && step->plan_known) return run_plan_or_dispatch(step->plan, next.start, next.length);
  const bool skip_known = step && slot_.skip_mode && step->skip_kept != RunnerSteps::kUnknown;
  const std::optional<Choice> choice = skip_known ? remembered_skip(*step) : choose(next, step);
  if (!choice) return false;
  if (!choice->runs) return true;
  return run_plan_or_dispatch(choice->plan, next.start, choice->length);
}

// In skip mode, the else check as the step remembers it: its move of the
// counter is made again.
Choice StatementRunner::Pass::remembered_skip(const RunnerSteps::Entry& step) {
  slot_.pc = step.skip_pc_after;
  if (step.skip_kept == RunnerSteps::kNothingRuns) return {false, 0, nullptr};
  return {true, static_cast<std::size_t>(step.skip_kept), step.skip_plan};
}

// Choose: in skip mode the else check (remembered per position), then the
// plan of the part that runs, looked up (or made) once. Nothing when the else
// check raised an error, which is reported.
std::optional<Choice> StatementRunner::Pass::choose(const NextStatement& next, RunnerSteps::Entry* step) {
  StatementCache::Entry* entry =
      caches_on_ ? runner_.plans_.entry(next.start, static_cast<std::size_t>(text_.length())) : nullptr;
  Choice choice{true, next.length, nullptr};
  if (slot_.skip_mode) {
    const std::string_view statement = cut_text(text_, next.start, next.length, storage_);
    std::optional<std::size_t> kept;
    try {
      kept = entry ? entry->else_check(in_, t_, statement) : else_check(in_, t_, statement);
    } catch (const ProgramError& error) {
      in_.report(error, statement, t_);
      return std::nullopt;
    }
    choice = {kept.has_value(), kept.value_or(0), nullptr};
  }
  if (entry && choice.runs) choice.plan = entry->plan(text_, cut_text(text_, next.start, choice.length, storage_));
  if (step) remember(*step, choice);
  return choice;
}

void StatementRunner::Pass::remember(RunnerSteps::Entry& step, const Choice& choice) {
  if (!slot_.skip_mode) {
    step.plan = choice.plan;
    step.plan_known = true;
    return;
  }
  step.skip_pc_after = slot_.pc;
  step.skip_kept = choice.runs ? static_cast<int32_t>(choice.length) : RunnerSteps::kNothingRuns;
  step.skip_plan = choice.plan;
}

// Run: a plan that hands its statement back has changed nothing, so the
// dispatcher then runs the statement from its text.
inline bool StatementRunner::Pass::run_plan_or_dispatch(StatementPlan* plan, int32_t start, std::size_t length) {
  if (plan) {
    try {
      plan->run(ex_);
      return true;
    } catch (const NotExact&) {
    } catch (const ProgramError&) {
    }
  }
  return in_.dispatch(lock_, cut_text(text_, start, length, storage_), t_);
}

// After a statement: the lock goes when another thread may want it, and
// thread 0 runs the pending statement and the queued ones.
inline bool StatementRunner::Pass::between_statements() {
  if (lock_.owns_lock() &&
      (in_.threads_in_use_.load(std::memory_order_relaxed) > 1 || ++held_for_ >= kLongestHold)) {
    lock_.unlock();
    held_for_ = 0;
  }
  if (t_ != 0 || !(in_.has_pending_.load(std::memory_order_relaxed) || in_.has_queued_.load(std::memory_order_relaxed)))
    return true;
  if (lock_.owns_lock()) lock_.unlock();
  std::string pending;
  if (in_.take_pending(pending) && !in_.dispatch(pending, 0)) return false;
  while (in_.take_queued(pending))
    if (!in_.dispatch(pending, 0)) return false;
  return true;
}

}  // namespace tess
