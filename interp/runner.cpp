// The statement runner: walks the program text from a thread's program counter,
// cuts one statement at a time and hands it to the dispatcher.
#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/interpreter.h"

namespace tess {
namespace {

bool is_blank(uint8_t c) { return c == ' ' || c == '\t'; }
bool is_digit(uint8_t c) { return c >= '0' && c <= '9'; }
bool starts_conditional(const std::string& buf) {
  return buf.size() >= 2 && static_cast<uint8_t>(buf[0]) == 0x10 && static_cast<uint8_t>(buf[1]) == 0x21;
}

}  // namespace

void Interpreter::run_thread(int t) {
  ThreadSlot& s = slot(t);
  const ProgramText& text = text_;
  int32_t& pc = s.pc;
  std::string buf;
  buf.reserve(128);

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

    buf.clear();
    const uint8_t before = text.at(pc - 1);
    if ((before == ' ' || before == ':') && (text.at(pc) == 0x10 || text.at(pc) == 0x11)) {
      // The code bytes at a line start are taken unexamined, even ':' or '"'.
      buf += static_cast<char>(text.at(pc));
      buf += static_cast<char>(text.at(pc + 1));
      pc += 2;
    }

    for (;;) {  // a statement of the line
      bool quoted = false;
      for (;;) {
        const uint8_t b = text.at(pc);
        if (b == 0 || b == '\n') break;
        if (b == '"') quoted = !quoted;
        else if (b == ':' && !quoted && !starts_conditional(buf)) break;
        buf += static_cast<char>(b);
        ++pc;
      }

      if (!buf.empty()) {
        if (stop_requested()) return end_thread(t);
        bool keep_going = true;
        if (s.skip_mode) {
          std::optional<std::string> kept;
          try {
            kept = else_check(*this, t, buf);
          } catch (const ProgramError& error) {
            std::lock_guard guard(lock_);  // reported as a failing statement is
            report(error, buf, t);
            return end_thread(t);
          }
          if (kept) keep_going = dispatch(*kept, t);
        } else {
          keep_going = dispatch(buf, t);
        }
        if (!keep_going) return end_thread(t);
        std::string pending;
        if (t == 0 && take_pending(pending) && !dispatch(pending, 0)) return end_thread(t);
      }

      const uint8_t at = text.at(pc);
      if (text.is_line_end(pc)) {
        s.skip_mode = false;
        ++pc;
        s.statement_start = pc;
        if (text.at(pc) != 0 || pc < 0) break;  // next line
        return end_thread(t);
      }
      if (at == ':') {
        s.statement_start = pc;
        while (is_blank(text.at(pc + 1))) ++pc;
      } else if (s.skip_mode) {
        s.statement_start = pc;
      }
      if (text.at(pc) == 0 && pc >= 0) return end_thread(t);
      ++pc;
      buf.clear();
    }
  }
}

// The slot is freed and waiters are told while the state mutex is held, so a
// shutdown that sees every slot free can release the interpreter at once.
void Interpreter::end_thread(int t) {
  std::lock_guard guard(state_mutex_);
  ThreadSlot& s = slot(t);
  s.in_use = false;
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
  s.in_use = true;
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
