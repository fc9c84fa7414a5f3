// The numeric evaluator: array references, groups and not tokens are replaced
// by value text, signs are folded, a leading negated variable is read, and the
// flat evaluator takes what is left. Working on the text (not on a tree) keeps
// every substitution's "%.14g" rounding, as programs see it.

#include "interp/eval_nesting.h"
#include "interp/evaluate.h"
#include "interp/flat_eval.h"
#include "interp/interpreter.h"
#include "interp/number_text.h"
#include "interp/operators.h"
#include "interp/text_scan.h"
#include "interp/value_limits.h"

namespace tess {
namespace {

void check_length(std::size_t n) {
  if (n > kMaxExpression) limit_error("an expression longer than 8,191 bytes");
}

void append_number(std::string& out, double value) {
  char buf[kNumberTextMax];
  out.append(buf, write_number(value, buf));
  check_length(out.size());
}

// The ')' matching the '(' at open; parentheses are counted, quotes are not.
std::size_t group_end(std::string_view s, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < s.size(); i += unit_length(s, i)) {
    if (s[i] == '(') ++depth;
    else if (s[i] == ')' && --depth == 0) return i;
  }
  value_error("missing ')'");
}

// Only text holding these needs more than the flat evaluator.
bool needs_rewriting(std::string_view s) {
  if (s.empty()) return false;
  if (is_sign(s[0])) return true;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == ' ' || c == '\t' || c == '(') return true;
    if (c == '\x01' && i + 1 < s.size() && s[i + 1] == kNotToken) return true;
    if (is_sign(c) && i + 1 < s.size() && is_sign(s[i + 1])) return true;
  }
  return false;
}

// Step 2: a run of name characters directly followed by '(' is a numeric array
// reference (a '$' is no name character, so string references stay).
std::string replace_array_references(Interpreter& in, const std::string& s) {
  std::string out;
  out.reserve(s.size());
  std::size_t run = std::string::npos;
  for (std::size_t i = 0; i < s.size();) {
    const char c = s[i];
    if (c == '\x01') {
      const std::size_t n = unit_length(s, i);
      out.append(s, i, n);
      i += n;
      run = std::string::npos;
    } else if (is_name_char(c)) {
      if (run == std::string::npos) run = i;
      out += c;
      ++i;
    } else if (c == '(' && run != std::string::npos) {
      const std::size_t close = group_end(s, i);
      out.resize(out.size() - (i - run));
      append_number(out, read_number(in, std::string_view(s).substr(run, close + 1 - run)));
      i = close + 1;
      run = std::string::npos;
    } else {
      out += c;
      ++i;
      run = std::string::npos;
    }
  }
  return out;
}

// Step 3: every remaining group, left to right, evaluated on its own.
std::string replace_groups(Interpreter& in, const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    if (s[i] == '(') {
      const std::size_t close = group_end(s, i);
      append_number(out, eval_number(in, std::string_view(s).substr(i + 1, close - i - 1)));
      i = close + 1;
    } else {
      const std::size_t n = unit_length(s, i);
      out.append(s, i, n);
      i += n;
    }
  }
  return out;
}

// Steps 4 and 5: a not token applies to everything after it.
void apply_not(Interpreter& in, std::string& s) {
  for (std::size_t i = 0; i < s.size(); i += unit_length(s, i)) {
    if (s[i] != '\x01' || i + 1 >= s.size() || s[i + 1] != kNotToken) continue;
    const double rest = eval_number(in, std::string_view(s).substr(i + 2));
    s.resize(i);
    append_number(s, static_cast<double>(~integer_view(rest)));
    return;
  }
}

// Step 6: one pass, its output not rescanned (--- becomes +-).
void fold_signs(std::string& s) {
  std::size_t w = 0;
  for (std::size_t r = 0; r < s.size();) {
    if (is_sign(s[r]) && r + 1 < s.size() && is_sign(s[r + 1])) {
      s[w++] = (s[r] == s[r + 1]) ? '+' : '-';
      r += 2;
    } else {
      s[w++] = s[r++];
    }
  }
  s.resize(w);
}

// Step 7: a leading '+' is dropped; a leading '-' before a name negates that
// variable, read here.
void apply_leading_sign(Interpreter& in, std::string& s) {
  if (s.empty()) return;
  if (s[0] == '+') {
    s.erase(0, 1);
    return;
  }
  if (s[0] != '-' || s.size() < 2 || !is_name_start(s[1])) return;
  std::size_t end = 2;
  while (end < s.size() && !is_operator_boundary(s, end)) ++end;
  const std::string_view name = std::string_view(s).substr(1, end - 1);
  if (name.find_first_of("$\"") != std::string_view::npos) value_error("a string in a numeric expression");
  const double* v = in.variables().numbers.find_scalar(name);
  std::string out;
  append_number(out, -(v ? *v : 0.0));
  out.append(s, end);
  check_length(out.size());
  s = std::move(out);
}

}  // namespace

double eval_number(Interpreter& in, std::string_view expr) {
  if (!needs_rewriting(expr)) {
    check_length(expr.size());
    return eval_flat(in, expr);
  }
  NestingGuard guard(in);
  std::string s = strip_blanks(expr);
  check_length(s.size());
  if (s.find('(') != std::string::npos) {
    s = replace_array_references(in, s);
    if (s.find('(') != std::string::npos) s = replace_groups(in, s);
  }
  apply_not(in, s);
  fold_signs(s);
  apply_leading_sign(in, s);
  return eval_flat(in, s);
}

}  // namespace tess
