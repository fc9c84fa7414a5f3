// The function-key and mouse traps of the console window. Statements change them
// under the interpreter lock; the window thread, which never takes that lock,
// records events through the entry points below, so the traps keep a mutex of
// their own.
#pragma once
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

inline constexpr int kFunctionKeys = 12;
inline constexpr int kMouseTraps = 5;
inline constexpr std::size_t kHandlerTextLimit = 254;  // 255 bytes with the terminator

enum class KeyTrapState : uint8_t { Off = 0, On = 1, Stop = 2 };
enum class MouseTrapState : uint8_t { Off = 0, Stop = 1, On = 0xFF };
enum class TrapWord { On, Off, Stop };

// Mouse trap numbers: 1 move, 2 left down, 3 right down, 4 left up, 5 right up.
struct MouseEvent {
  int number = 0;
  int32_t x = 0;
  int32_t y = 0;
};

class EventTraps {
 public:
  // Handler registration by the computed branch; does not change any state.
  void set_key_handler(int key, std::string text);     // key 0..11
  void set_mouse_handler(int trap, std::string text);  // trap 1..5

  // The trap statements; each answers the text to queue as the pending statement.
  std::optional<std::string> key_trap(TrapWord word);
  std::optional<std::string> mouse_trap(int trap, TrapWord word);

  // Events from the window thread; each answers the text to queue.
  std::optional<std::string> key_pressed(int key);
  std::optional<std::string> mouse_event(int trap, int32_t x, int32_t y);

  MouseEvent last_mouse_event() const;
  KeyTrapState key_state() const;
  MouseTrapState mouse_state(int trap) const;
  std::string key_handler(int key) const;
  std::string mouse_handler(int trap) const;

  // The interpreter reset: mouse traps off, their handler texts emptied. Key
  // state, key handlers, the remembered key handler and the marks survive.
  void reset_mouse_traps();

 private:
  struct MouseTrap {
    MouseTrapState state = MouseTrapState::Off;
    std::string handler;
    bool remembered = false;
  };

  mutable std::mutex mutex_;
  KeyTrapState key_state_ = KeyTrapState::Off;
  std::array<std::string, kFunctionKeys> key_handlers_;
  std::string remembered_key_handler_;
  std::array<MouseTrap, kMouseTraps> mouse_;
  MouseEvent last_mouse_;
};

// The handler text of a jump or call: the code, a blank, the target.
// A text over the 255-byte limit is error 1.
std::string handler_text(bool call, std::string_view target);

// Event entry points for the console window procedure (and tests): they queue the
// handler as the pending statement that thread 0 runs next.
void raise_key_event(Interpreter& in, int key);  // F1 = 0
void raise_mouse_event(Interpreter& in, int trap, int32_t x, int32_t y);

// The words of the trap statements, any case; anything else is error 1.
TrapWord parse_trap_word(std::string_view text);

}  // namespace tess
