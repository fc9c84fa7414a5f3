// What the runner does between two statements, per counter position. From the
// counter a statement leaves behind (the separator after it, or a jump target)
// the runner passes a line end or a ':' and its blanks, perhaps a line number,
// and cuts the next statement. All of that depends on the program text alone,
// except the statement start written in skip mode, so it is remembered once:
// the kind of separator (which says what the runner sets on the way), where
// the next statement begins, its cut length, and its plan once it has one.
// Read and written only under the interpreter lock.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "interp/statement_cache.h"

namespace tess {

// The separator at the counter: a line end clears skip mode and sets the
// statement start to the byte after it; a ':' sets the statement start to
// itself; anything else sets it to itself in skip mode only.
enum class StepKind : uint8_t { LineEnd = 1, Separator = 2, Other = 3 };

// The next statement as the runner found it.
struct NextStatement {
  StepKind kind = StepKind::LineEnd;
  int32_t start = 0;       // where it begins
  std::size_t length = 0;  // its cut length (0: an empty statement)
};

class RunnerSteps {
 public:
  struct Entry {
    StatementCache::Plan* plan = nullptr;  // for the whole cut statement; plans live as long as the cache
    uint32_t length = 0;                   // 0: not known
    uint32_t distance_kind = 0;            // (start - counter) << 2 | kind
  };

  explicit RunnerSteps(std::size_t text_length) : entries_(text_length + kBefore + 1) {}

  // The entry of a counter, or null outside the text.
  Entry* at(int32_t pc) {
    const auto i = static_cast<uint64_t>(int64_t{pc} + kBefore);
    return i < entries_.size() ? &entries_[i] : nullptr;
  }

  static NextStatement read(const Entry& e, int32_t pc) {
    return {static_cast<StepKind>(e.distance_kind & 3), pc + static_cast<int32_t>(e.distance_kind >> 2), e.length};
  }

  // Steps that lead to an empty statement, or span more than a gigabyte, are
  // not kept: the runner works them out each time. False when not kept.
  static bool remember(Entry& e, int32_t pc, const NextStatement& next) {
    const int64_t distance = int64_t{next.start} - pc;
    if (distance < 0 || distance >= (int64_t{1} << 30) || next.length == 0 || next.length > 0xFFFFFFFFu) return false;
    e.distance_kind = static_cast<uint32_t>(distance) << 2 | static_cast<uint32_t>(next.kind);
    e.length = static_cast<uint32_t>(next.length);
    return true;
  }

 private:
  static constexpr int64_t kBefore = 2;  // counters -2 and -1 stand before the text
  std::vector<Entry> entries_;           // by counter + kBefore
};

}  // namespace tess
