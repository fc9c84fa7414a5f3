#include "graphics/argument_forms.h"

#include "interp/evaluate.h"

namespace tess {

double ArgumentForms::evaluate(Interpreter& in, std::string_view expr) {
  auto found = forms_.find(expr);
  if (found == forms_.end()) {
    if (forms_.size() >= kMostForms) forms_.clear();
    forms_.emplace(std::string(expr), Form{});
    return eval_number(in, expr);
  }
  Form& form = found->second;
  if (!form.seen_before) {
    form.seen_before = true;
    form.compiled = CompiledNumber::compile(expr);
  }
  if (form.compiled) {
    try {
      return form.compiled->evaluate(in);
    } catch (const NotExact&) {
    }
  }
  return eval_number(in, expr);
}

}  // namespace tess
