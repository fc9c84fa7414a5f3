// The plan of the conditional (conditional.cpp): its compiled condition, and
// for each outcome where the thread went on from the same statement start and
// counter, so that the branch is searched for once.
#include "interp/compiled_expression.h"
#include "interp/flow_handlers.h"
#include "interp/interpreter.h"
#include "interp/statement_plan.h"

namespace tess {
namespace {

class ConditionalPlan final : public StatementPlan {
 public:
  static std::unique_ptr<ConditionalPlan> make(std::string_view condition) {
    auto plan = std::make_unique<ConditionalPlan>();
    plan->condition_ = CompiledCondition::compile(condition);
    return plan->condition_ ? std::move(plan) : nullptr;
  }

  void run(Exec& ex) override {
    const bool holds = condition_->evaluate(ex.in) != 0;
    ThreadSlot& s = ex.thread();
    Branch& b = branches_[holds ? 1 : 0];
    if (b.known && b.statement_start == s.statement_start && b.pc_before == s.pc && b.skip_before == s.skip_mode) {
      s.pc = b.pc_after;
      s.skip_mode = b.skip_after;
      return;
    }
    const Branch seen{true, s.statement_start, s.pc, s.skip_mode, 0, false};
    take_conditional_branch(ex.in, ex.slot, holds);
    b = seen;
    b.pc_after = s.pc;
    b.skip_after = s.skip_mode;
  }

 private:
  struct Branch {
    bool known = false;
    int32_t statement_start = 0;
    int32_t pc_before = 0;
    bool skip_before = false;
    int32_t pc_after = 0;
    bool skip_after = false;
  };
  std::unique_ptr<CompiledCondition> condition_;
  Branch branches_[2];
};

}  // namespace

std::unique_ptr<StatementPlan> conditional_plan(const ProgramText&, std::string_view args) {
  return ConditionalPlan::make(args);
}

}  // namespace tess
