// The parts of the statement cache that the runner reads directly: a plan and
// a position's entry (see statement_cache.h). Included only by the cache and
// the runner.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "interp/statement_cache.h"

namespace tess {

// A statement's pre-analysed form. run() throws NotExact or ProgramError only
// before it has changed anything, so the text path can run the statement again.
class StatementCache::Plan {
 public:
  virtual ~Plan() = default;
  virtual void run(Exec& ex) = 0;
};

struct StatementCache::Entry {
  // The plans made here, one per statement length (a one-line part cut before
  // its else is a shorter statement at the same position); a null plan: the
  // statement has none. A plan is never replaced while the cache lives, so the
  // runner may keep pointers to plans. The first length seen is kept inline.
  struct Made {
    std::size_t length = 0;
    std::unique_ptr<Plan> plan;
  };
  static constexpr std::size_t kMostLengths = 4;  // further lengths run from their text
  std::size_t plan_length = 0;
  bool planned = false;
  std::unique_ptr<Plan> plan;
  std::vector<Made> other_lengths;

  // Is there a plan (or the knowledge that there is none) for this length?
  const std::unique_ptr<Plan>* made_for(std::size_t length) const {
    if (planned && plan_length == length) return &plan;
    for (const Made& m : other_lengths)
      if (m.length == length) return &m.plan;
    return nullptr;
  }

  // The else check as last seen: for this statement length and counter, the
  // counter after it and the length of the part to run (-1: nothing runs).
  std::size_t else_length = 0;
  bool else_known = false;
  int32_t else_pc_before = 0;
  int32_t else_pc_after = 0;
  int64_t else_kept = -1;
};

// The plan made for this statement at pos, or null when there is none yet or
// the statement has none.
inline StatementCache::Plan* StatementCache::ready_plan(int32_t pos, std::size_t statement_length) const {
  if (pos < 0 || static_cast<std::size_t>(pos) >= entries_.size()) return nullptr;
  const Entry* e = entries_[static_cast<std::size_t>(pos)].get();
  if (!e) return nullptr;
  if (e->planned && e->plan_length == statement_length) return e->plan.get();
  const std::unique_ptr<Plan>* made = e->made_for(statement_length);
  return made ? made->get() : nullptr;
}

}  // namespace tess
