// The argument helpers every handler and built-in uses to take its text apart.
#include "interp/evaluate.h"

#include "interp/text_scan.h"
#include "interp/value_limits.h"

namespace tess {

std::string strip_blanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool quoted = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = unit_length(text, i);
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (quoted || n > 1 || !is_blank_or_tab(c)) out.append(text, i, n);
    i += n;
  }
  return out;
}

// Parentheses are counted everywhere, also inside quotes; commas count only
// outside quotes and at depth 0.
std::size_t split_argument(std::string_view text, std::size_t start, std::string& argument) {
  argument.clear();
  bool quoted = false;
  int depth = 0;
  std::size_t i = start;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    else if (c == '(') ++depth;
    else if (c == ')') --depth;
    else if (c == ',' && !quoted && depth == 0) {
      argument.assign(text, start, i - start);
      return i + 1;
    }
    i += unit_length(text, i);
  }
  argument.assign(text, start, text.size() - start);
  return text.size();
}

int count_arguments(std::string_view text) {
  bool quoted = false;
  int depth = 0;
  int count = 1;
  for (std::size_t i = 0; i < text.size(); i += unit_length(text, i)) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    else if (c == '(') ++depth;
    else if (c == ')' && --depth < 0) value_error("')' without '(' in an argument list");
    else if (c == ',' && !quoted && depth == 0) ++count;
  }
  return count;
}

bool check_argument_count(std::string_view text, int expected, bool raise) {
  if (count_arguments(text) == expected) return true;
  if (raise) value_error("wrong number of arguments");
  return false;
}

void shift_text(std::string& text, std::size_t pos, std::ptrdiff_t n) {
  if (pos > text.size()) pos = text.size();
  if (n > 0) {
    text.insert(pos, static_cast<std::size_t>(n), ' ');
  } else if (n < 0) {
    const auto gap = static_cast<std::size_t>(-n);
    const std::size_t from = gap > pos ? 0 : pos - gap;
    text.erase(from, pos - from);
  }
}

}  // namespace tess
