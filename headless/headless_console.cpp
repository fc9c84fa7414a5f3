#include "headless/headless_console.h"

#include <chrono>
#include <thread>

namespace tess {
namespace {

constexpr int kPollMs = 10;  // the typed input's polling interval

}  // namespace

HeadlessConsole::HeadlessConsole(TextLayer& layer, Grid& grid, Wiring wiring)
    : layer_(layer), grid_(grid), wiring_(std::move(wiring)) {}

int HeadlessConsole::next_key(bool others_may_run) {
  if (!others_may_run || !wiring_.without_lock) return read_key();
  int key = -1;
  wiring_.without_lock([&] { key = read_key(); });
  return key;
}

int HeadlessConsole::read_key() {
  if (!wiring_.typed || ended_) return -1;
  int c = std::fgetc(wiring_.typed);
  if (c == '\r') {
    const int next = std::fgetc(wiring_.typed);
    if (next != '\n' && next != EOF) std::ungetc(next, wiring_.typed);
    return kEnter;
  }
  return c == '\n' ? kEnter : c;
}

void HeadlessConsole::type(uint8_t key) {
  type_character(keyboard(), *this, key, TypingRole::Console, wiring_.program_running());
}

void HeadlessConsole::stream_ended() {
  if (ended_) return;
  ended_ = true;
  wiring_.note("tessrun: typed input ended while the program waits for it");
  wiring_.end_program();
}

// A line is typed whole; outside a line one key, and only when the last one has
// been taken. The end of the stream while the program waits is the user closing
// the console window.
void HeadlessConsole::deliver_typing(bool others_may_run) {
  KeyboardState& keys = keyboard();
  if (!keys.in_progress() && keys.last_key() != 0) return;
  do {
    const int key = next_key(others_may_run);
    if (key < 0) return stream_ended();
    type(static_cast<uint8_t>(key));
  } while (keys.in_progress());
}

// Once the stream has ended no key can come: a polling loop then waits the
// typed input's polling interval per poll instead of spinning.
void HeadlessConsole::poll_typing() {
  KeyboardState& keys = keyboard();
  if (keys.in_progress() || keys.last_key() != 0) return;
  if (const int key = next_key(true); key >= 0) return type(static_cast<uint8_t>(key));
  if (wiring_.without_lock) wiring_.without_lock([] { std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs)); });
}

void HeadlessConsole::warning_box(std::string_view text, std::string_view caption) {
  std::string line(caption);
  line += ": ";
  line += text;
  wiring_.note(line);
}

// On the grid the letter A is one cell wide and one row high.
void HeadlessConsole::set_text_area(int32_t columns, int32_t lines) { grid_.area = {true, columns, lines}; }

}  // namespace tess
