// Operands and operators are read left to right; the eight passes of the design
// (power; multiply and divides; mod; add and subtract; comparisons; and; or;
// xor), each applied left to right, are the same as precedence climbing with
// left association, which needs no operator list.
#include "interp/flat_eval.h"

#include <array>
#include <cmath>

#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/number_text.h"
#include "interp/operators.h"
#include "interp/text_scan.h"
#include "interp/value_limits.h"

namespace tess {

int pass_of(Op op) {
  switch (op) {
    case Op::Power: return 1;
    case Op::Multiply: case Op::Divide: case Op::IntDivide: return 2;
    case Op::Mod: return 3;
    case Op::Add: case Op::Subtract: return 4;
    case Op::And: return 6;
    case Op::Or: return 7;
    case Op::Xor: return 8;
    default: return 5;
  }
}

namespace {

double truth(bool b) { return b ? -1.0 : 0.0; }

}  // namespace

double apply_operator(Op op, double a, double b) {
  switch (op) {
    case Op::Power: return std::pow(a, b);
    case Op::Multiply: return a * b;
    case Op::Divide:
      if (b == 0) value_error("division by 0");
      return a / b;
    case Op::IntDivide:
    case Op::Mod: {
      // 64-bit arithmetic: the lowest 32-bit value divided by -1 does not trap.
      const int64_t x = integer_view(a), y = integer_view(b);
      if (y == 0) value_error(op == Op::Mod ? "mod by 0" : "integer division by 0");
      return static_cast<double>(op == Op::Mod ? x % y : x / y);
    }
    case Op::Add: return a + b;
    case Op::Subtract: return a - b;
    case Op::Equal: return truth(a == b);
    case Op::Less: return truth(a < b);
    case Op::Greater: return truth(a > b);
    case Op::LessEqual: return truth(a <= b);
    case Op::GreaterEqual: return truth(a >= b);
    case Op::NotEqual: return truth(a != b);
    case Op::And: return integer_view(a) & integer_view(b);
    case Op::Or: return integer_view(a) | integer_view(b);
    case Op::Xor: return integer_view(a) ^ integer_view(b);
  }
  return 0;
}

namespace {

// A '+' or '-' right after an 'e' is an exponent sign when walking back from
// before the 'e' meets only digits and points, at least one digit, up to the
// start or an operator boundary (an operator token counts as one from its
// letter too).
bool is_exponent_sign(std::string_view s, std::size_t i) {
  if (i < 2 || (s[i - 1] != 'e' && s[i - 1] != 'E')) return false;
  int digits = 0;
  for (std::size_t k = i - 1; k-- > 0;) {
    if (is_operator_boundary(s, k) || (k > 0 && is_operator_boundary(s, k - 1) && s[k - 1] == '\x01')) break;
    if (is_digit(s[k])) ++digits;
    else if (s[k] != '.') return false;
  }
  return digits > 0;
}

}  // namespace

// The end of the operand token that starts at start.
std::size_t operand_end(std::string_view s, std::size_t start) {
  std::size_t i = start + 1;
  while (i < s.size()) {
    if (is_operator_boundary(s, i) && !((s[i] == '+' || s[i] == '-') && is_exponent_sign(s, i))) break;
    ++i;
  }
  return i < s.size() ? i : s.size();
}

namespace {

double read_operand(Interpreter& in, std::string_view token) {
  const char first = token.empty() ? '\0' : token[0];
  if (is_digit(first) || first == '-' || first == '.') return read_decimal(token);
  if (first == '&') return read_based(token);
  if (token.find_first_of("$\"") != std::string_view::npos) value_error("a string in a numeric expression");
  if (!is_name_start(first)) value_error("a variable name must begin with a letter or '_'");
  const double* v = in.variables().numbers.find_scalar(token);
  return v ? *v : 0.0;
}

}  // namespace

// The operator at s[i] (an operator boundary); i moves past it.
Op read_operator(std::string_view s, std::size_t& i) {
  const char c = s[i];
  if (c == '\x01') {
    const char letter = s[i + 1];
    i += 2;
    if (letter == kNotToken) value_error("a not inside a flat expression");
    return static_cast<Op>(letter);
  }
  const char next = i + 1 < s.size() ? s[i + 1] : '\0';
  auto pair = [&](Op op) {
    i += 2;
    return op;
  };
  if ((c == '<' && next == '=') || (c == '=' && next == '<')) return pair(Op::LessEqual);
  if ((c == '>' && next == '=') || (c == '=' && next == '>')) return pair(Op::GreaterEqual);
  if ((c == '<' && next == '>') || (c == '>' && next == '<')) return pair(Op::NotEqual);
  ++i;
  return static_cast<Op>(c);
}

double eval_flat(Interpreter& in, std::string_view s) {
  if (s.empty()) return 0;
  std::array<double, kMaxOperands> values;
  std::array<Op, kMaxOperands> ops;
  std::size_t nv = 0, no = 0, operands = 0;
  auto reduce = [&] {
    const Op op = ops[--no];
    const double b = values[--nv];
    values[nv - 1] = apply_operator(op, values[nv - 1], b);
  };
  std::size_t i = 0;
  for (;;) {
    const std::size_t end = operand_end(s, i);
    if (end - i > kMaxOperandToken) limit_error("an operand longer than 255 bytes");
    if (++operands > kMaxOperands) limit_error("more than 255 operands");
    values[nv++] = read_operand(in, s.substr(i, end - i));
    i = end;
    if (i >= s.size()) break;
    const Op op = read_operator(s, i);
    while (no > 0 && pass_of(ops[no - 1]) <= pass_of(op)) reduce();
    ops[no++] = op;
  }
  while (no > 0) reduce();
  return values[0];
}

}  // namespace tess
