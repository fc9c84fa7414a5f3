// The window events of one execution thread: the 32 most recent messages of the
// windows it owns, oldest first.
#pragma once
#include <array>
#include <cstdint>

namespace tess {

struct WindowEvent {
  int32_t window = 0;
  int32_t message = 0;
  int32_t wparam = 0;
  int32_t lparam = 0;
  bool operator==(const WindowEvent&) const = default;
};

class EventQueue {
 public:
  static constexpr std::size_t kCapacity = 32;

  // A full queue drops its oldest event to make room.
  void record(const WindowEvent& event);

  bool empty() const { return count_ == 0; }
  std::size_t size() const { return count_; }

  // Hands out the event at the head and removes it. An empty queue hands out
  // the head position unchanged: the event taken last, or zeros.
  WindowEvent take();

 private:
  std::array<WindowEvent, kCapacity> events_{};
  std::size_t count_ = 0;
};

}  // namespace tess
