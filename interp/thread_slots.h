// Per-execution-thread tables: 255 slots, slot 0 the main thread.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>

namespace tess {

inline constexpr int kThreadSlots = 255;

struct ThreadSlot {
  int32_t pc = 0;               // where the runner stands
  int32_t statement_start = 0;  // the current statement's separator
  bool skip_mode = false;       // the rest of the line is a one-line then- or else-part
  std::atomic<bool> in_use{false};
  std::atomic<uint32_t> thread_id{0};
};

}  // namespace tess
