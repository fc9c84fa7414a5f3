// The plans of the jumps, the call and the return (jump_statements.cpp): the
// target, and the statement start a jump implies, are found once.
#include "interp/compiled_expression.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"
#include "interp/statement_plan.h"

namespace tess {
namespace {

class PlainJumpPlan final : public StatementPlan {
 public:
  explicit PlainJumpPlan(int32_t target) : target_(target) {}
  void run(Exec& ex) override { ex.thread().pc = target_; }

 private:
  int32_t target_;
};

class JumpPlan final : public StatementPlan {
 public:
  JumpPlan(const ProgramText& text, int32_t target, bool call)
      : target_(target), start_(separator_before(text, target)), call_(call) {}
  void run(Exec& ex) override {
    ThreadSlot& s = ex.thread();
    if (call_) {
      if (!s.can_call()) throw NotExact{};  // the handler raises the error
      s.push_return({s.pc, s.skip_mode});
    }
    s.jump(target_, start_);
  }

 private:
  int32_t target_;
  int32_t start_;
  bool call_;
};

// Without a pending call the handler raises the error.
class ReturnPlan final : public StatementPlan {
 public:
  void run(Exec& ex) override {
    ThreadSlot& s = ex.thread();
    if (s.call_depth <= 0) throw NotExact{};
    s.return_from_call();
  }
};

}  // namespace

std::unique_ptr<StatementPlan> jump_plan(const ProgramText& text, std::string_view args) {
  return std::make_unique<JumpPlan>(text, read_target(text, args), false);
}

std::unique_ptr<StatementPlan> call_plan(const ProgramText& text, std::string_view args) {
  return std::make_unique<JumpPlan>(text, read_target(text, args), true);
}

std::unique_ptr<StatementPlan> plain_jump_plan(const ProgramText& text, std::string_view args) {
  return std::make_unique<PlainJumpPlan>(read_target(text, args));
}

std::unique_ptr<StatementPlan> return_plan(const ProgramText&, std::string_view) {
  return std::make_unique<ReturnPlan>();
}

}  // namespace tess
