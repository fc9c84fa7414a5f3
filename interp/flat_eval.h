// The flat evaluator: an expression without parentheses or not tokens.
#pragma once
#include <cstddef>
#include <string_view>

namespace tess {

class Interpreter;

double eval_flat(Interpreter& in, std::string_view text);

// The flat evaluator's parts, shared with the compiled expressions so that both
// read a text the same way.
enum class Op : char {
  Power = '^', Multiply = '*', Divide = '/', IntDivide = '\\', Mod = 'm', Add = '+', Subtract = '-',
  Equal = '=', Less = '<', Greater = '>', LessEqual = 'p', GreaterEqual = 'q', NotEqual = 'n',
  And = '&', Or = '|', Xor = 'e',
};

// The pass (1 to 8) in which an operator is applied.
int pass_of(Op op);

// One operator on two operands (division by 0 is the runtime error).
double apply_operator(Op op, double a, double b);

// The end of the operand token that starts at start.
std::size_t operand_end(std::string_view s, std::size_t start);

// The operator at s[i] (an operator boundary); i moves past it.
Op read_operator(std::string_view s, std::size_t& i);

}  // namespace tess
