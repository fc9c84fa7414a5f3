// The condition evaluator and the comparison evaluator.

#include "interp/eval_nesting.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/number_text.h"
#include "interp/operators.h"
#include "interp/text_scan.h"
#include "interp/value_limits.h"

namespace tess {
namespace {

bool is_comparison_char(char c) { return c == '<' || c == '=' || c == '>'; }

enum class Relation { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

struct Comparison {
  std::size_t at = std::string_view::npos;  // where the operator starts
  std::size_t length = 0;
  Relation relation = Relation::Equal;
};

Comparison find_comparison(std::string_view s) {
  bool quoted = false;
  for (std::size_t i = 0; i < s.size(); i += unit_length(s, i)) {
    const char c = s[i];
    if (c == '"') quoted = !quoted;
    if (quoted || !is_comparison_char(c)) continue;
    const char next = i + 1 < s.size() ? s[i + 1] : '\0';
    auto two = [&](Relation r) { return Comparison{i, 2, r}; };
    if (c == '=') {
      if (next == '<') return two(Relation::LessEqual);
      if (next == '>') return two(Relation::GreaterEqual);
      return Comparison{i, 1, Relation::Equal};
    }
    if (c == '<') {
      if (next == '>') return two(Relation::NotEqual);
      if (next == '=') return two(Relation::LessEqual);
      return Comparison{i, 1, Relation::Less};
    }
    if (next == '<') return two(Relation::NotEqual);
    if (next == '=') return two(Relation::GreaterEqual);
    return Comparison{i, 1, Relation::Greater};
  }
  return {};
}

template <class T>
bool holds(Relation r, const T& a, const T& b) {
  switch (r) {
    case Relation::Equal: return a == b;
    case Relation::NotEqual: return a != b;
    case Relation::Less: return a < b;
    case Relation::LessEqual: return a <= b;
    case Relation::Greater: return a > b;
    case Relation::GreaterEqual: return a >= b;
  }
  return false;
}

bool is_string_side(Interpreter& in, std::string_view left) {
  if (!left.empty() && left.front() == '"' && left.back() == '"') return true;
  return variable_type(in, left) == VarType::String;
}

// The ')' matching the '(' at open, outside quotes.
std::size_t condition_group_end(std::string_view s, std::size_t open) {
  bool quoted = false;
  int depth = 0;
  for (std::size_t i = open; i < s.size(); i += unit_length(s, i)) {
    const char c = s[i];
    if (c == '"') quoted = !quoted;
    else if (quoted) continue;
    else if (c == '(') ++depth;
    else if (c == ')' && --depth == 0) return i;
  }
  value_error("missing ')'");
}

void append_integer(std::string& out, int32_t v) {
  char buf[kNumberTextMax];
  out.append(buf, write_integer(v, buf));
}

// Step 2: a group at the start or right after a logical token is a condition.
std::string replace_sub_conditions(Interpreter& in, std::string_view s) {
  std::string out;
  out.reserve(s.size());
  bool quoted = false;
  for (std::size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (c == '"') quoted = !quoted;
    const bool opens_condition = !quoted && c == '(' && (i == 0 || (i >= 2 && is_logical_token(s, i - 2)));
    if (opens_condition) {
      const std::size_t close = condition_group_end(s, i);
      append_integer(out, static_cast<int32_t>(eval_condition(in, s.substr(i + 1, close - i - 1))));
      i = close + 1;
      continue;
    }
    const std::size_t n = unit_length(s, i);
    out.append(s, i, n);
    i += n;
  }
  return out;
}

// Step 3: the segment (between logical tokens) around each comparison, first to
// last, replaced by the comparison's -1 or 0.
void replace_comparisons(Interpreter& in, std::string& s) {
  std::size_t segment = 0;
  bool quoted = false;
  bool quoted_at_segment = false;
  for (std::size_t i = 0; i < s.size();) {
    if (is_logical_token(s, i)) {
      i += 2;
      segment = i;
      quoted_at_segment = quoted;
      continue;
    }
    const char c = s[i];
    if (c == '"') quoted = !quoted;
    if (quoted || !is_comparison_char(c)) {
      i += unit_length(s, i);
      continue;
    }
    std::size_t end = i;
    while (end < s.size() && !is_logical_token(s, end)) end += unit_length(s, end);
    std::string value;
    append_integer(value, eval_comparison(in, std::string_view(s).substr(segment, end - segment)));
    s.replace(segment, end - segment, value);
    // Text before the segment holds no comparison outside quotes: go on from it.
    i = segment;
    quoted = quoted_at_segment;
  }
}

}  // namespace

int32_t eval_comparison(Interpreter& in, std::string_view expr) {
  const Comparison op = find_comparison(expr);
  if (op.at == std::string_view::npos) return eval_number(in, expr) != 0 ? -1 : 0;
  const std::string_view left = expr.substr(0, op.at);
  const std::string_view right = expr.substr(op.at + op.length);
  if (is_string_side(in, left)) {
    const std::string a = eval_string(in, left);
    const std::string b = eval_string(in, right);
    // Equality compares the escaped values; order compares their byte lengths.
    const bool result = (op.relation == Relation::Equal || op.relation == Relation::NotEqual)
                            ? holds(op.relation, a, b)
                            : holds(op.relation, a.size(), b.size());
    return result ? -1 : 0;
  }
  return holds(op.relation, eval_number(in, left), eval_number(in, right)) ? -1 : 0;
}

double eval_condition(Interpreter& in, std::string_view expr) {
  NestingGuard guard(in);
  std::string s = strip_blanks(expr);
  if (s.size() > kMaxExpression) limit_error("an expression longer than 8,191 bytes");
  if (s.find('(') != std::string::npos) s = replace_sub_conditions(in, s);
  replace_comparisons(in, s);
  return integer_view(eval_number(in, s));
}

}  // namespace tess
