// The memory a program's values may take: large blocks (strings and arrays of a
// megabyte or so) are counted, and an allocation that would take the count past
// the budget fails with std::bad_alloc, which the dispatcher reports as runtime
// error 15. A string doubled in a loop or an array filled with long strings so
// ends the run with the error report on every host, long before the system's
// allocator (or its out-of-memory killer) would end the process without one.
#pragma once
#include <atomic>
#include <cstddef>

namespace tess::memory_budget {

inline constexpr std::size_t kLargeBlock = std::size_t{64} << 10;  // smaller blocks are not counted
inline constexpr std::size_t kBudget = std::size_t{1} << 30;       // 1 GiB of large blocks

inline std::atomic<std::size_t>& counted() {
  static std::atomic<std::size_t> bytes{0};
  return bytes;
}

// Counts a block of `bytes`; false when it does not fit the budget.
inline bool take(std::size_t bytes) {
  if (bytes < kLargeBlock) return true;
  std::size_t now = counted().load(std::memory_order_relaxed);
  do {
    if (bytes > kBudget - now) return false;
  } while (!counted().compare_exchange_weak(now, now + bytes, std::memory_order_relaxed));
  return true;
}

inline void give_back(std::size_t bytes) {
  if (bytes >= kLargeBlock) counted().fetch_sub(bytes, std::memory_order_relaxed);
}

}  // namespace tess::memory_budget
