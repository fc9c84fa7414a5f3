// The plan of a numeric assignment, "target = expression" with both sides
// compiled. The loop head's plan assigns its start value with one.
#pragma once
#include <memory>
#include <string_view>

#include "interp/compiled_expression.h"
#include "interp/interpreter.h"
#include "interp/statement_plan.h"

namespace tess {

class NumericAssignment final : public StatementPlan {
 public:
  // Null when either side does not compile or the text holds a quote.
  static std::unique_ptr<NumericAssignment> make(std::string_view text);

  // A target typed string (the type letters may change) goes to the handler.
  void check_type(Interpreter& in) const {
    if (target_->type(in.variables().letters) == VarType::String) throw NotExact{};
  }
  double value(Interpreter& in) { return value_->evaluate(in); }
  CompiledReference& target() { return *target_; }

  void run(Exec& ex) override {
    check_type(ex.in);
    target_->write_number(ex.in, value_->evaluate(ex.in));
  }

 private:
  std::unique_ptr<CompiledReference> target_;
  std::unique_ptr<CompiledNumber> value_;
};

}  // namespace tess
