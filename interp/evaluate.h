// The evaluators and argument helpers that every handler and built-in uses.
#pragma once
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "interp/variables.h"

namespace tess {

class Interpreter;

// Numeric evaluator: an expression (operators, operator tokens, literals,
// variables, array elements) to a number.
double eval_number(Interpreter& in, std::string_view expr);

// Condition evaluator: comparisons (numeric and string) joined by the logical
// operators; -1 for true, 0 for false, or the numeric value.
double eval_condition(Interpreter& in, std::string_view expr);

// Comparison evaluator: one comparison (numeric, or string when the left side
// is a literal or a string name) to -1 or 0.
int32_t eval_comparison(Interpreter& in, std::string_view expr);

// String evaluator: literals and string variables joined by '+'; the result is
// the escaped value without quotes.
std::string eval_string(Interpreter& in, std::string_view expr);

// The integer view: truncate toward zero to 64 bits, keep the low 32. Inline:
// every index, mod and integer division takes it.
inline int32_t integer_view(double value) {
  if (!(std::fabs(value) < 9223372036854775808.0)) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(static_cast<int64_t>(value))));
}

// Number to value text: "%.14g".
std::string number_text(double value);

// Display form of number text: the zero of a leading "0." dropped, also after
// a minus (0.5 shows as .5, -0.25 as -.25).
std::string display_form(std::string_view number);

// Blank stripper: drops blanks and tabs outside double quotes.
std::string strip_blanks(std::string_view text);

// Argument splitter: the argument from start up to the next comma outside
// quotes and parentheses; returns the position after that comma, or text.size()
// when the argument was the last.
std::size_t split_argument(std::string_view text, std::size_t start, std::string& argument);

// Argument count: commas outside quotes and parentheses, plus one. A ')' without
// '(' is a runtime error.
int count_arguments(std::string_view text);

// Argument count check: false on a mismatch, or the runtime error when raise.
bool check_argument_count(std::string_view text, int expected, bool raise);

// Text shift: the text from pos moves right by n bytes (n > 0, opening a gap of
// blanks) or left by -n bytes (closing the gap before pos).
void shift_text(std::string& text, std::size_t pos, std::ptrdiff_t n);

// Assignment: "name=expression" for numeric and string variables and elements.
void assign(Interpreter& in, std::string_view text);

// An assignment's text with its blanks stripped, split at its first '='.
struct AssignmentParts {
  std::string text;
  std::size_t equals;
  std::string_view target() const { return std::string_view(text).substr(0, equals); }
  std::string_view value() const { return std::string_view(text).substr(equals + 1); }
};
// Nothing when the text holds no '='.
std::optional<AssignmentParts> split_assignment(std::string_view text);

// "s$=s$+...": the value begins with the target and a '+'.
inline bool appends_to(std::string_view target, std::string_view value) {
  return value.size() > target.size() && value.substr(0, target.size()) == target && value[target.size()] == '+';
}

}  // namespace tess
