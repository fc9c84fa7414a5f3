#include "graphics/argument_text.h"

#include <cctype>

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"

namespace tess {

int32_t eval_int(Interpreter& in, std::string_view expr) {
  return integer_view(in.caches_on() ? in.graphics().arguments.evaluate(in, expr) : eval_number(in, expr));
}

std::string eval_plain_text(Interpreter& in, std::string_view expr) {
  return decode(eval_string(in, expr), false);
}

std::vector<std::string> split_all(std::string_view text) {
  std::vector<std::string> parts;
  parts.reserve(4);  // most statements' argument lists: one allocation, not three
  std::size_t pos = 0;
  for (;;) {
    std::string argument;
    const std::size_t next = split_argument(text, pos, argument);
    const bool comma_taken = pos + argument.size() < next;
    parts.push_back(std::move(argument));
    if (next >= text.size()) {
      if (comma_taken) parts.emplace_back();  // a trailing comma: one more, empty, argument
      return parts;
    }
    pos = next;
  }
}

std::vector<std::string_view> cut_at_commas(std::string_view text, std::size_t max_parts) {
  std::vector<std::string_view> parts;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size() && parts.size() + 1 < max_parts; ++i) {
    const char c = text[i];
    if (c == '(') ++depth;
    else if (c == ')') --depth;
    else if (c == ',' && depth == 0) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(text.substr(start));
  return parts;
}

bool is_word(std::string_view text, std::string_view lower_word) {
  if (text.size() != lower_word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != lower_word[i]) return false;
  return true;
}

void argument_error(std::string_view statement, std::string_view problem) {
  raise_error(1, std::string(statement) + ": " + std::string(problem));
}

}  // namespace tess
