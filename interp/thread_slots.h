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

  // The moves of the jump, the call and the return, shared by their handlers
  // and their plans.
  // The counter to a target whose statement start is known; skip mode ends.
  void jump(int32_t target, int32_t start) {
    pc = target;
    skip_mode = false;
    statement_start = start;
  }
  // Room for another call: the 1,024th is refused.
  bool can_call() const { return call_depth >= 0 && call_depth < kReturnStackSize - 1; }
  // Stores the entry at call_depth and counts it; the caller has checked can_call.
  void push_return(ReturnEntry entry) {
    const auto at = static_cast<std::size_t>(call_depth);
    if (at >= returns.size()) returns.resize(at + 1);
    returns[at] = entry;
    ++call_depth;
  }
  // Back to where the newest call left off; the caller has checked call_depth > 0.
  void return_from_call() {
    --call_depth;
    const ReturnEntry& entry = returns[static_cast<std::size_t>(call_depth)];
    pc = entry.pc;
    skip_mode = entry.skip_mode;
  }
  bool loop_continue = false;  // set by the loop end: the loop head steps
};

}  // namespace tess
