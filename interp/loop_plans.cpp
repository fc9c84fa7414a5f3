// The plans of the counted loop (loop_statements.cpp): the head with its limit,
// increment and loop variable compiled, and the end with its target read once.
#include "interp/compiled_expression.h"
#include "interp/error.h"
#include "interp/flow_handlers.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"
#include "interp/numeric_assignment.h"
#include "interp/statement_plan.h"
#include "interp/statements.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

// Calls in a loop head are left to the handler unless they stand in the limit
// or increment (which the plan evaluates at every step, as the handler expands
// them) and hold no blank or tab (so the search for "to" and "step" cannot find
// a word inside one).
bool loop_head_calls_plannable(const LoopHead& head) {
  if (has_function_token(head.assignment)) return false;
  for (std::string_view part : {head.limit, head.increment}) {
    for (std::size_t at = part.find(kTokenMark); at != std::string_view::npos; at = part.find(kTokenMark, at + 1)) {
      if (at + 1 >= part.size() || part[at + 1] != 'f') continue;
      int depth = 0;
      for (std::size_t i = at + kFunctionTokenSize; i < part.size(); i += unit_length(part, i)) {
        if (is_blank_or_tab(part[i])) return false;
        if (part[i] == '(') ++depth;
        else if (part[i] == ')' && --depth <= 0) break;
      }
    }
  }
  return true;
}

// The head for a scalar loop variable.
class LoopHeadPlan final : public StatementPlan {
 public:
  static std::unique_ptr<LoopHeadPlan> make(const ProgramText& text, std::string_view args) {
    const LoopHead head = parse_loop_head(text, args);
    if (!loop_head_calls_plannable(head)) return nullptr;
    auto plan = std::make_unique<LoopHeadPlan>();
    plan->exit_ = head.exit_target;
    plan->limit_ = CompiledNumber::compile(head.limit);
    plan->increment_ = CompiledNumber::compile(head.increment);
    plan->variable_ = CompiledReference::compile(loop_variable(head));
    plan->start_ = NumericAssignment::make(head.assignment);
    if (!plan->limit_ || !plan->increment_ || !plan->variable_ || !plan->start_) return nullptr;
    // An element as loop variable is read back through value text: left to the handler.
    if (plan->variable_->has_indexes() || plan->start_->target().name() != plan->variable_->name()) return nullptr;
    plan->read_constants();
    return plan;
  }

  void run(Exec& ex) override {
    Interpreter& in = ex.in;
    ThreadSlot& s = ex.thread();
    double increment = increment_value_, printed_limit = printed_limit_;
    if (!constant_) {
      const double limit = limit_->evaluate(in);
      increment = increment_->evaluate(in);
      // The test compares with the limit as printed with 14 significant digits.
      printed_limit = value_text_round(limit);
    }
    start_->check_type(in);
    const double value = s.loop_continue ? variable_->read_number(in) + increment : start_->value(in);
    const double now = variable_->write_number(in, value);  // what a read would find
    const bool finished = increment >= 0 ? now > printed_limit : now < printed_limit;
    s.loop_continue = false;
    if (finished) s.pc = exit_;
  }

 private:
  // Number limits and increments (the usual case) are read once.
  void read_constants() {
    if (!limit_->is_constant() || !increment_->is_constant()) return;
    try {
      printed_limit_ = value_text_round(limit_->constant());
      increment_value_ = increment_->constant();
      constant_ = true;
    } catch (const NotExact&) {
    }
  }

  int32_t exit_ = 0;
  bool constant_ = false;  // limit and increment are numbers: the two below hold them
  double printed_limit_ = 0, increment_value_ = 0;
  std::unique_ptr<CompiledNumber> limit_, increment_;
  std::unique_ptr<CompiledReference> variable_;
  std::unique_ptr<NumericAssignment> start_;
};

class LoopEndPlan final : public StatementPlan {
 public:
  explicit LoopEndPlan(int32_t head) : head_(head) {}
  void run(Exec& ex) override { loop_back(ex.thread(), head_); }

 private:
  int32_t head_;
};

}  // namespace

std::unique_ptr<StatementPlan> loop_head_plan(const ProgramText& text, std::string_view args) {
  return LoopHeadPlan::make(text, args);
}

std::unique_ptr<StatementPlan> loop_end_plan(const ProgramText& text, std::string_view args) {
  return std::make_unique<LoopEndPlan>(read_target(text, args));
}

}  // namespace tess
