// What the runner does between two statements, per counter position. From the
// counter a statement leaves behind (the separator after it, or a jump target)
// the runner passes a line end or a ':' and its blanks, perhaps a line number,
// and cuts the next statement. All of that depends on the program text alone,
// except the statement start written in skip mode, so it is remembered once:
// the kind of separator (which says what the runner sets on the way), where
// the next statement begins, its cut length, and its plan once it has one. In
// skip mode the statement's else check (whose outcome depends on the text
// alone, the counter standing at the statement's end) is remembered as well.
// Read and written only under the interpreter lock.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "interp/statement_plan.h"

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
  static constexpr int32_t kNothingRuns = -1;  // skip_kept: the else check skips the statement
  static constexpr int32_t kUnknown = -2;

  // Plans live as long as the statement cache that made them.
  struct Entry {
    uint32_t length = 0;         // 0: not known
    uint32_t distance_kind = 0;  // (start - counter) << 2 | kind
    // Outside skip mode: the whole statement's plan once looked up (null: it
    // runs from its text).
    StatementPlan* plan = nullptr;
    // In skip mode: the counter after the else check, the length of the part
    // it leaves to run (or kNothingRuns), and that part's plan; all known once
    // skip_kept is.
    StatementPlan* skip_plan = nullptr;
    int32_t skip_pc_after = 0;
    int32_t skip_kept = kUnknown;
    bool plan_known = false;
  };

  explicit RunnerSteps(std::size_t text_length)
      : chunks_((text_length + kBefore + 1 + kChunk - 1) / kChunk), size_(text_length + kBefore + 1) {}

  // The entry of a counter, or null outside the text. Entries are made a
  // chunk at a time as counters are first seen: most of a text is never one.
  Entry* at(int32_t pc) {
    const auto i = static_cast<uint64_t>(int64_t{pc} + kBefore);
    if (i >= size_) return nullptr;
    auto& chunk = chunks_[i / kChunk];
    if (!chunk) chunk = std::make_unique<Chunk>();
    return &(*chunk)[i % kChunk];
  }

  static NextStatement read(const Entry& e, int32_t pc) {
    return {static_cast<StepKind>(e.distance_kind & 3), pc + static_cast<int32_t>(e.distance_kind >> 2), e.length};
  }

  // Steps that lead to an empty statement, or span more than a gigabyte, are
  // not kept: the runner works them out each time. False when not kept.
  static bool remember(Entry& e, int32_t pc, const NextStatement& next) {
    const int64_t distance = int64_t{next.start} - pc;
    if (distance < 0 || distance >= (int64_t{1} << 30) || next.length == 0 || next.length > 0x7FFFFFFFu) return false;
    e.distance_kind = static_cast<uint32_t>(distance) << 2 | static_cast<uint32_t>(next.kind);
    e.length = static_cast<uint32_t>(next.length);
    return true;
  }

 private:
  static constexpr int64_t kBefore = 2;  // counters -2 and -1 stand before the text
  static constexpr std::size_t kChunk = 1024;
  using Chunk = std::array<Entry, kChunk>;
  std::vector<std::unique_ptr<Chunk>> chunks_;  // by (counter + kBefore) / kChunk
  std::size_t size_;
};

}  // namespace tess
