#include "interp/event_traps.h"

#include "interp/error.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"
#include "interp/statement_codes.h"

namespace tess {
namespace {

std::size_t key_index(int key) { return static_cast<std::size_t>(key); }
std::size_t trap_index(int trap) { return static_cast<std::size_t>(trap - 1); }

}  // namespace

void EventTraps::set_key_handler(int key, std::string text) {
  std::lock_guard guard(mutex_);
  key_handlers_[key_index(key)] = std::move(text);
}

void EventTraps::set_mouse_handler(int trap, std::string text) {
  std::lock_guard guard(mutex_);
  mouse_[trap_index(trap)].handler = std::move(text);
}

std::optional<std::string> EventTraps::key_trap(TrapWord word) {
  std::lock_guard guard(mutex_);
  switch (word) {
    case TrapWord::On:
      key_state_ = KeyTrapState::On;
      if (!remembered_key_handler_.empty()) return remembered_key_handler_;  // it stays remembered
      return std::nullopt;
    case TrapWord::Off:
      key_state_ = KeyTrapState::Off;
      return std::nullopt;
    case TrapWord::Stop:
      remembered_key_handler_.clear();
      key_state_ = KeyTrapState::Stop;
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> EventTraps::mouse_trap(int trap, TrapWord word) {
  std::lock_guard guard(mutex_);
  MouseTrap& m = mouse_[trap_index(trap)];
  switch (word) {
    case TrapWord::On:
      m.state = MouseTrapState::On;
      if (!m.handler.empty() && m.remembered) return m.handler;  // the mark stays set
      return std::nullopt;
    case TrapWord::Off:
      m.remembered = false;
      m.state = MouseTrapState::Off;
      return std::nullopt;
    case TrapWord::Stop:
      m.state = MouseTrapState::Stop;
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> EventTraps::key_pressed(int key) {
  if (key < 0 || key >= kFunctionKeys) return std::nullopt;
  std::lock_guard guard(mutex_);
  if (key_state_ == KeyTrapState::On) return key_handlers_[key_index(key)];
  if (key_state_ == KeyTrapState::Stop) remembered_key_handler_ = key_handlers_[key_index(key)];
  return std::nullopt;
}

std::optional<std::string> EventTraps::mouse_event(int trap, int32_t x, int32_t y) {
  if (trap < 1 || trap > kMouseTraps) return std::nullopt;
  std::lock_guard guard(mutex_);
  last_mouse_ = {trap, x, y};
  MouseTrap& m = mouse_[trap_index(trap)];
  if (m.state == MouseTrapState::On && !m.handler.empty()) return m.handler;
  if (m.state == MouseTrapState::Stop) m.remembered = true;
  return std::nullopt;
}

MouseEvent EventTraps::last_mouse_event() const {
  std::lock_guard guard(mutex_);
  return last_mouse_;
}

KeyTrapState EventTraps::key_state() const {
  std::lock_guard guard(mutex_);
  return key_state_;
}

MouseTrapState EventTraps::mouse_state(int trap) const {
  std::lock_guard guard(mutex_);
  return mouse_[trap_index(trap)].state;
}

std::string EventTraps::key_handler(int key) const {
  std::lock_guard guard(mutex_);
  return key_handlers_[key_index(key)];
}

std::string EventTraps::mouse_handler(int trap) const {
  std::lock_guard guard(mutex_);
  return mouse_[trap_index(trap)].handler;
}

void EventTraps::reset_mouse_traps() {
  std::lock_guard guard(mutex_);
  for (auto& m : mouse_) {
    m.state = MouseTrapState::Off;
    m.handler.clear();
  }
}

std::string handler_text(bool call, std::string_view target) {
  if (target.size() + 3 > kHandlerTextLimit) raise_error(1, "handler target list too long");
  std::string text = code_bytes(call ? Stmt::kGosub : Stmt::kGoto) + ' ';
  text.append(target);
  return text;
}

void raise_key_event(Interpreter& in, int key) {
  if (!in.running()) return;
  if (auto text = in.traps().key_pressed(key)) in.set_pending(std::move(*text));
}

void raise_mouse_event(Interpreter& in, int trap, int32_t x, int32_t y) {
  if (auto text = in.traps().mouse_event(trap, x, y)) in.set_pending(std::move(*text));
}

TrapWord parse_trap_word(std::string_view text) {
  if (text.size() == 2 && word_at(text, 0, "on")) return TrapWord::On;
  if (text.size() == 3 && word_at(text, 0, "off")) return TrapWord::Off;
  if (text.size() == 4 && word_at(text, 0, "stop")) return TrapWord::Stop;
  raise_error(1, "expected on, off or stop");
}

}  // namespace tess
