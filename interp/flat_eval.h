// The flat evaluator: an expression without parentheses or not tokens.
#pragma once
#include <string_view>

namespace tess {

class Interpreter;

double eval_flat(Interpreter& in, std::string_view text);

}  // namespace tess
