// What the console statements and the keyboard functions need from the host's
// console window: the caret, typed characters, the warning box, key states, the
// current text window's layer and the text-area measure. The Win32 host answers
// with its window procedures, the headless host with standard input.
#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

#include "console/typed_input.h"

namespace tess {

class ConsoleDevice {
 public:
  virtual ~ConsoleDevice() = default;

  KeyboardState& keyboard() { return keyboard_; }

  // The caret enabled flag of the current text window, and the focus message that
  // shows the caret (and places the input method) or hides it.
  virtual void set_caret(bool enabled) = 0;

  // Called with the interpreter lock held by statements and functions that wait
  // for typing: a host whose typed characters do not arrive on a window thread
  // delivers them here (a line while one is awaited, else one key when the last
  // key is empty). A host that can type nothing more ends the run. With
  // others_may_run the host leaves the lock while it waits for a character, as
  // the waiting statement does between its polls; without it (the line-input
  // form) every other execution thread stands still until Enter.
  virtual void deliver_typing(bool /*others_may_run*/) {}
  // The same for the last-key function, which does not wait: a key if one is there.
  virtual void poll_typing() {}

  // The information box owned by the current text window.
  virtual void warning_box(std::string_view text, std::string_view caption) = 0;

  // The asynchronous state of a virtual key (negative while it is down).
  virtual int16_t key_state(int virtual_key) = 0;

  // Runs an edit on the current text window's text layer (nothing without one).
  virtual void edit_current_layer(const std::function<void(TextLayer&)>& edit) = 0;

  // The console text-area setting from columns x lines of the letter A in the
  // console font.
  virtual void set_text_area(int32_t columns, int32_t lines) = 0;

 private:
  KeyboardState keyboard_;
};

}  // namespace tess
