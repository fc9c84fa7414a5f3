// Waiting for a typed line: keys typed the moment the caret shows belong to the
// line (a window thread types while the execution thread shows the caret).
#include <gtest/gtest.h>

#include <mutex>
#include <string>

#include "console/console_device.h"
#include "console/line_wait.h"
#include "values_fixture.h"

namespace tess::testing {
namespace {

class EchoWindow : public TypingWindow {
 public:
  void echo(std::string_view) override {}
  TextLayer* edited_layer() override { return &layer; }
  void repaint() override {}
  TextLayer layer;
};

// A console whose user types "xy" as soon as the caret appears, then Enter.
class QuickTypist : public ConsoleDevice {
 public:
  void set_caret(bool enabled) override {
    if (!enabled) return;
    for (char c : std::string("xy")) type_character(keyboard(), window_, static_cast<uint8_t>(c), TypingRole::Console, true);
  }
  void deliver_typing(bool) override { type_character(keyboard(), window_, '\r', TypingRole::Console, true); }
  void warning_box(std::string_view, std::string_view) override {}
  int16_t key_state(int) override { return 0; }
  void edit_current_layer(const std::function<void(TextLayer&)>&) override {}
  void set_text_area(int32_t, int32_t) override {}

 private:
  EchoWindow window_;
};

class LineWait : public ValuesTest {};

TEST_F(LineWait, KeysTypedAsTheCaretShowsAreInTheLine) {
  QuickTypist console;
  std::mutex interpreter_lock;
  for (bool release : {false, true}) {
    std::unique_lock<std::mutex> lock(interpreter_lock);
    const auto line = wait_for_typed_line(in, console, lock, release);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, "xy") << (release ? "with" : "without") << " the lock left";
    EXPECT_TRUE(lock.owns_lock());
  }
}

}  // namespace
}  // namespace tess::testing
