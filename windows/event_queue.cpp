#include "windows/event_queue.h"

#include <algorithm>

namespace tess {

void EventQueue::record(const WindowEvent& event) {
  if (count_ == kCapacity) {
    std::copy(events_.begin() + 1, events_.end(), events_.begin());
    count_ = kCapacity - 1;
  }
  events_[count_++] = event;
}

WindowEvent EventQueue::take() {
  const WindowEvent head = events_[0];
  if (count_ > 0) {
    std::copy(events_.begin() + 1, events_.begin() + static_cast<std::ptrdiff_t>(count_), events_.begin());
    --count_;
  }
  return head;
}

}  // namespace tess
