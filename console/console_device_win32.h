// The console device of the Win32 host: the caret and the input method of the
// current text window, the typed-input handling of the console and "PROMPT"
// window procedures, message boxes, key states and the text-area measure.
#pragma once
#include <windows.h>

#include "console/console_device.h"

namespace tess {

struct Win32Services;

class Win32Console : public ConsoleDevice {
 public:
  explicit Win32Console(Win32Services& services) : services_(services) {}
  void set_caret(bool enabled) override;
  void deliver_typing(bool others_may_run) override;
  void warning_box(std::string_view text, std::string_view caption) override;
  int16_t key_state(int virtual_key) override;
  void edit_current_layer(const std::function<void(TextLayer&)>& edit) override;
  void set_text_area(int32_t columns, int32_t lines) override;

 private:
  Win32Services& services_;
};

// WM_CHAR of the console (role Console) and of "PROMPT" windows (role Prompt).
void type_into_window(Win32Services& services, HWND hwnd, uint8_t c, TypingRole role);

// WM_SETFOCUS: while the window's caret is enabled, the composition window goes
// to its composition form with the console font, and the caret is shown at the
// caret point. WM_KILLFOCUS: the caret is hidden and destroyed.
void show_caret(Win32Services& services, HWND hwnd);
void hide_caret(HWND hwnd);

}  // namespace tess
