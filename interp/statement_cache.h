// Work done once per statement position. The program text never changes after
// loading, so what a statement's text yields (its targets, its compiled
// expressions, where its conditional and else parts lead) can be kept beside
// it. A plan answers exactly as the text path would, or hands the statement
// back to it (see compiled_expression.h). Used only under the interpreter lock.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

struct Exec;
class Interpreter;

class StatementCache {
 public:
  StatementCache();
  ~StatementCache();
  StatementCache(const StatementCache&) = delete;
  StatementCache& operator=(const StatementCache&) = delete;

  // Runs the statement cut at position pos from its plan. Nothing when it has
  // none or the plan handed it back: the dispatcher then runs the text.
  std::optional<bool> run(Exec& ex, std::string_view statement, int32_t pos);

  // The else check of skip mode (control_flow.h), remembered per position: the
  // part of the statement to run (in statement, or else in storage), or nothing.
  std::optional<std::string_view> else_check(Interpreter& in, int t, std::string_view statement, int32_t pos,
                                             std::string& storage);

  class Plan;
  struct Entry;

  // The plan already made for this statement at pos, or null (statement_plan.h).
  Plan* ready_plan(int32_t pos, std::size_t statement_length) const;

 private:
  Entry* entry(int32_t pos, std::size_t text_length);

  std::vector<std::unique_ptr<Entry>> entries_;  // by position
};

}  // namespace tess
