// The statement runner: walks the program text from a thread's program counter,
// cuts one statement at a time and hands it to the dispatcher.
#include <optional>

#include "interp/compiled_expression.h"
#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/interpreter.h"
#include "interp/statement_plan.h"

namespace tess {
namespace {

bool is_blank(uint8_t c) { return c == ' ' || c == '\t'; }
bool is_digit(uint8_t c) { return c >= '0' && c <= '9'; }

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
  std::string kept_storage;
  auto run_cached = [&](std::string_view statement, int32_t pos) {
    Exec ex{*this, t, lock};
    held_lock_ = &lock;
    try {
      if (s.skip_mode) {
        const auto kept = cache_.else_check(*this, t, statement, pos, kept_storage);
        if (!kept) return true;  // skipped
        statement = *kept;
      }
      if (StatementCache::Plan* plan = cache_.ready_plan(pos, statement.size())) {
        try {
          plan->run(ex);
          return true;
        } catch (const NotExact&) {  // handed back before it changed anything
        } catch (const ProgramError&) {
        }
        return dispatch_at(lock, statement, t, pos, false, false);
      }
      if (const auto done = cache_.run(ex, statement, pos)) return *done;
    } catch (const ProgramError& error) {
      report(error, statement, t);
      return false;
    }
    return dispatch_at(lock, statement, t, pos, false, false);
  };

  if (pc != 0 && text.is_line_end(pc)) ++pc;
  for (;;) {  // a line
    const uint8_t c = text.at(pc);
    if (c == ':') {
      while (is_blank(text.at(pc + 1))) ++pc;
    } else if (c >= '0' && c < 0x80) {
      while (is_digit(text.at(pc))) ++pc;
      ++pc;  // the blank after the line number, or whatever character stands there
    } else {
      ++pc;
    }

    int32_t start = pc;
    const uint8_t before = text.at(pc - 1);
    // The code bytes at a line start are taken unexamined, even ':' or '"'.
    bool code_taken = (before == ' ' || before == ':') && (text.at(pc) == 0x10 || text.at(pc) == 0x11);

    for (;;) {  // a statement of the line
      std::size_t length = 0;
      if (!(caches_on_ && cut_lengths_.find(start, code_taken, length))) {
        length = cut_length(text, start, code_taken);
        if (caches_on_) cut_lengths_.remember(start, code_taken, length);
      }
      pc = start + static_cast<int32_t>(length);

      if (length > 0) {
        if (!lock.owns_lock()) lock.lock();
        if (stop_requested()) return finish();  // checked under the lock: an error report may have stopped the run
        const std::string_view statement = cut_text(text, start, length, storage);
        if (!(caches_on_ ? run_cached(statement, start) : dispatch_at(lock, statement, t, start, s.skip_mode, false)))
          return finish();
        if (lock.owns_lock() && (threads_in_use_.load(std::memory_order_relaxed) > 1 || ++held_for >= kLongestHold)) {
          lock.unlock();
          held_for = 0;
        }
        if (t == 0 && has_pending_.load(std::memory_order_relaxed)) {
          if (lock.owns_lock()) lock.unlock();
          std::string pending;
          if (take_pending(pending) && !dispatch(pending, 0)) return finish();
        }
      }

      const uint8_t at = text.at(pc);
      if (text.is_line_end(pc)) {
        s.skip_mode = false;
        ++pc;
        s.statement_start = pc;
        if (text.at(pc) != 0 || pc < 0) break;  // next line
        return finish();
      }
      if (at == ':') {
        s.statement_start = pc;
        while (is_blank(text.at(pc + 1))) ++pc;
      } else if (s.skip_mode) {
        s.statement_start = pc;
      }
      if (text.at(pc) == 0 && pc >= 0) return finish();
      ++pc;
      start = pc;
      code_taken = false;
    }
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
  std::unique_lock guard(state_mutex_);
  state_changed_.wait_for(guard, std::chrono::milliseconds(ms), [&] { return stop_.load(); });
}

void Interpreter::set_pending(std::string statement) {
  std::lock_guard guard(state_mutex_);
  pending_ = std::move(statement);
  has_pending_ = !pending_.empty();
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
