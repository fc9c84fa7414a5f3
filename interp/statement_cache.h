// Work done once per statement position. The program text never changes after
// loading, so what a statement's text yields (its plan, where its else check
// leads) can be kept beside it. Used only under the interpreter lock.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "interp/program_text.h"
#include "interp/statement_plan.h"

namespace tess {

class Interpreter;

class StatementCache {
 public:
  class Entry;

  StatementCache();
  ~StatementCache();
  StatementCache(const StatementCache&) = delete;
  StatementCache& operator=(const StatementCache&) = delete;

  // The entry of a statement start, made on first use; null outside the text.
  Entry* entry(int32_t pos, std::size_t text_length);

 private:
  std::vector<std::unique_ptr<Entry>> entries_;  // by position
};

class StatementCache::Entry {
 public:
  // The plan for the statement cut here, made the first time a statement of
  // its length is seen (a one-line part cut before its else is a shorter
  // statement at the same position); null when it runs from its text. A plan
  // is never replaced while the cache lives, so the runner may keep pointers
  // to plans.
  StatementPlan* plan(const ProgramText& text, std::string_view statement);

  // The else check of skip mode (control_flow.h), remembered for the
  // statement's length and the counter: the length of the part to run, or
  // nothing.
  std::optional<std::size_t> else_check(Interpreter& in, int t, std::string_view statement);

 private:
  struct Made {
    std::size_t length = 0;
    std::unique_ptr<StatementPlan> plan;
  };
  static constexpr std::size_t kMostLengths = 4;  // further lengths run from their text
  std::vector<Made> made_;

  std::size_t else_length_ = 0;
  bool else_known_ = false;
  int32_t else_pc_before_ = 0;
  int32_t else_pc_after_ = 0;
  int64_t else_kept_ = -1;  // -1: nothing runs
};

}  // namespace tess
