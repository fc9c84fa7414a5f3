// Typed keyboard input: the handshake between a statement waiting for a line and
// the window side that receives the typed characters, the line editing of those
// characters (echo, Enter, Backspace), and the last key.
#pragma once
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "console/text_layer.h"

namespace tess {

// The input line holds 1024 bytes with its terminator.
inline constexpr std::size_t kInputLineLimit = 1023;

inline constexpr uint8_t kEnter = 13;
inline constexpr uint8_t kBackspace = 8;

// The shared state. The statement side writes the line only while no input is in
// progress; the window side only while it is. The input mode is the one flag
// that hands the line over.
class KeyboardState {
 public:
  // Statement side: an empty line, nothing typed yet, input in progress.
  void begin_line();
  bool in_progress() const { return in_progress_.load(); }
  // Ends the wait without a line (the run is stopping).
  void cancel() { in_progress_ = false; }
  // The finished line in value-text form; emptied.
  std::string take_line();

  // The last key: 0 when none.
  uint8_t last_key() const { return last_key_.load(); }
  void set_last_key(uint8_t key) { last_key_ = key; }
  uint8_t take_last_key() { return last_key_.exchange(0); }

  // Window side, only while input is in progress.
  bool append(uint8_t c);            // false when the line is full
  void finish() { in_progress_ = false; }
  int typed_count() const { return typed_; }
  // Backspace bookkeeping for `bytes` screen bytes: false (and nothing changes)
  // when that would take the typed count below 0, i.e. erase the prompt.
  bool untype(int bytes);
  std::string_view line() const { return line_; }

 private:
  std::atomic<bool> in_progress_{false};
  std::atomic<uint8_t> last_key_{0};
  std::string line_;  // value text
  int typed_ = 0;     // screen bytes echoed since the wait began
  bool lead_pending_ = false;  // the last byte was a lead byte: its second half has room
};

// The window that typed characters land in, as each host provides it.
class TypingWindow {
 public:
  virtual ~TypingWindow() = default;
  // The echo: the write operation on the current text window.
  virtual void echo(std::string_view value_text) = 0;
  // The layer that Backspace edits (the console's, or the "PROMPT" window's own).
  virtual TextLayer* edited_layer() = 0;
  // The repaint after a Backspace.
  virtual void repaint() = 0;
};

// Console: a character typed while no input is in progress becomes the last key,
// and Backspace also edits while no program runs. "PROMPT": every character is
// the last key, and Backspace edits only during input.
enum class TypingRole { Console, Prompt };

void type_character(KeyboardState& keyboard, TypingWindow& window, uint8_t c, TypingRole role, bool program_running);

// Bytes that Backspace removes before the cursor: 0 at the start of the text or
// of a line, 2 when the last byte is the second half of a double-byte character
// or escape, else 1.
int last_character_size(const TextLayer& layer);

}  // namespace tess
