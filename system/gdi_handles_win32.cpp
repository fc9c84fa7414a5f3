#include "system/gdi_handles_win32.h"

#include <atomic>

namespace tess {
namespace {

std::atomic<long> held{0};
std::atomic<long> most{0};

}  // namespace

namespace gdi_tally {

void taken() {
  const long now = held.fetch_add(1, std::memory_order_relaxed) + 1;
  long seen = most.load(std::memory_order_relaxed);
  while (now > seen && !most.compare_exchange_weak(seen, now, std::memory_order_relaxed)) {
  }
}

void given_back() { held.fetch_sub(1, std::memory_order_relaxed); }

}  // namespace gdi_tally

HandleTally handle_tally() { return {held.load(), most.load()}; }

void delete_given_up(HGDIOBJ object) {
  if (object && DeleteObject(object)) gdi_tally::given_back();
}

}  // namespace tess
