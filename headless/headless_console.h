// The headless console device: typed input comes from a byte stream (standard
// input for tessrun), each byte handled as a key typed into the console window;
// a line feed (or CR LF) is Enter.
#pragma once
#include <cstdio>
#include <functional>

#include "console/console_device.h"
#include "console/grid_layout.h"

namespace tess {

class HeadlessConsole : public ConsoleDevice, private TypingWindow {
 public:
  struct Wiring {
    std::FILE* typed = nullptr;                    // the typed bytes (null: none)
    std::function<void(std::string_view)> write;   // the host's write operation
    std::function<void(std::string_view)> note;    // a line for the diagnostics stream
    std::function<void()> end_program;             // the user closes the console
    std::function<bool()> program_running;
    // Runs a wait with the interpreter lock of the calling statement left, so
    // that other execution threads go on meanwhile.
    std::function<void(const std::function<void()>&)> without_lock;
  };
  HeadlessConsole(TextLayer& layer, Grid& grid, Wiring wiring);

  void set_caret(bool) override {}
  void deliver_typing(bool others_may_run) override;
  void poll_typing() override;
  void warning_box(std::string_view text, std::string_view caption) override;
  int16_t key_state(int) override { return 0; }  // no key is ever held down
  void edit_current_layer(const std::function<void(TextLayer&)>& edit) override { edit(layer_); }
  void set_text_area(int32_t columns, int32_t lines) override;

 private:
  void echo(std::string_view value_text) override { wiring_.write(value_text); }
  TextLayer* edited_layer() override { return &layer_; }
  void repaint() override {}

  // The next key from the stream: Enter for "\n" and "\r\n"; -1 at its end.
  // The read itself runs without the interpreter lock when others may run.
  int next_key(bool others_may_run);
  int read_key();
  void type(uint8_t key);
  void stream_ended();

  TextLayer& layer_;
  Grid& grid_;
  Wiring wiring_;
  bool ended_ = false;
};

}  // namespace tess
