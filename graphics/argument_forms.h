// Compiled forms of the numeric arguments of drawing and window statements, by
// their text. A figure drawn in a loop evaluates the same few argument texts again
// and again; the text evaluator rewrites every group into value text each time,
// while a compiled form gives the same value without it (and hands back to the
// text where it could differ). Keyed by the text itself, so an argument cut out
// of a statement anew each time still finds its form; a text is compiled the
// second time it comes, as one holding the value of a call (RND, say) is new
// every time.
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "interp/compiled_expression.h"
#include "interp/variable_store.h"

namespace tess {

class Interpreter;

class ArgumentForms {
 public:
  // The expression's value, as the text evaluator gives it.
  double evaluate(Interpreter& in, std::string_view expr);

 private:
  static constexpr std::size_t kMostForms = 4096;  // texts made at run time are not kept forever
  struct Form {
    bool seen_before = false;
    std::unique_ptr<CompiledNumber> compiled;  // null for a text outside the compiled forms
  };
  std::unordered_map<std::string, Form, TextHash, std::equal_to<>> forms_;
};

}  // namespace tess
