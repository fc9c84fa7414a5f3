// Per-execution-thread tables: 255 slots, slot 0 the main thread.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

namespace tess {

inline constexpr int kThreadSlots = 255;
inline constexpr int kReturnStackSize = 1024;

// A pending call: where to continue and the skip mode to continue in.
struct ReturnEntry {
  int32_t pc = 0;
  bool skip_mode = false;
};

struct ThreadSlot {
  int32_t pc = 0;               // where the runner stands
  int32_t statement_start = 0;  // the current statement's separator
  bool skip_mode = false;       // the rest of the line is a one-line then- or else-part
  std::atomic<bool> in_use{false};
  std::atomic<uint32_t> thread_id{0};
  int32_t call_depth = 0;  // entries on the return stack
  // Grown as calls go deeper (never past kReturnStackSize entries): 255 slots
  // of 1,024 entries made up front would be most of the start-up time. Every
  // entry up to call_depth exists.
  std::vector<ReturnEntry> returns;

  // Stores the entry at call_depth and counts it; the caller has checked the depth.
  void push_return(ReturnEntry entry) {
    const auto at = static_cast<std::size_t>(call_depth);
    if (at >= returns.size()) returns.resize(at + 1);
    returns[at] = entry;
    ++call_depth;
  }
  bool loop_continue = false;  // set by the loop end: the loop head steps
};

}  // namespace tess
