#include "console/line_wait.h"

#include <optional>

#include "console/console_device.h"
#include "interp/error.h"
#include "interp/interpreter.h"
#include "interp/lock_release.h"

namespace tess {
namespace {

constexpr int kLineWaitPollMs = 10;

// The caret shows for the length of a wait.
class CaretShown {
 public:
  explicit CaretShown(ConsoleDevice& device) : device_(device) { device_.set_caret(true); }
  ~CaretShown() { device_.set_caret(false); }
  CaretShown(const CaretShown&) = delete;
  CaretShown& operator=(const CaretShown&) = delete;

 private:
  ConsoleDevice& device_;
};

}  // namespace

ConsoleDevice& console_device(Interpreter& in, const char* role) {
  ConsoleDevice* device = in.host().console_device();
  if (!device) raise_error(1, std::string(role) + ": needs a console window");
  return *device;
}

std::optional<std::string> wait_for_typed_line(Interpreter& in, ConsoleDevice& device,
                                               std::unique_lock<std::mutex>& lock, bool release_lock) {
  KeyboardState& keyboard = device.keyboard();
  // The line takes typing before the caret shows: a person who types as soon as
  // the caret appears must not lose the first keys.
  keyboard.begin_line();
  CaretShown caret(device);
  for (;;) {
    device.deliver_typing(release_lock);  // with the lock held, like every other write
    if (!keyboard.in_progress()) break;
    if (in.stop_requested()) {
      keyboard.cancel();
      return std::nullopt;
    }
    std::optional<LockReleased> waiting;
    if (release_lock) waiting.emplace(in, lock);
    in.sleep_unless_stopped(kLineWaitPollMs);
  }
  return keyboard.take_line();
}

std::optional<std::string> wait_for_typed_characters(Interpreter& in, ConsoleDevice& device, int32_t count) {
  KeyboardState& keyboard = device.keyboard();
  CaretShown caret(device);
  std::string typed;
  while (static_cast<int32_t>(typed.size()) < count) {
    if (keyboard.last_key() == 0) device.deliver_typing(true);
    if (const uint8_t key = keyboard.take_last_key()) {
      typed += static_cast<char>(key);
      continue;
    }
    if (in.stop_requested()) return std::nullopt;
    const LockReleased waiting(in);
    in.sleep_unless_stopped(kLineWaitPollMs);
  }
  return typed;
}

}  // namespace tess
