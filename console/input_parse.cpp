#include "console/input_parse.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "interp/error.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

constexpr std::size_t kListLimit = 1024;
constexpr char kQuestion[] = "\"? \";";

// The first ',' or ';' outside double quotes, or npos.
std::size_t prompt_separator(std::string_view args) {
  bool quoted = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == '"') quoted = !quoted;
    else if (!quoted && (args[i] == ',' || args[i] == ';')) return i;
  }
  return std::string_view::npos;
}

// ';' shows the prompt, a blank and "? "; ',' the prompt alone.
std::string prompt_print_text(std::string_view prompt, char separator) {
  std::string text(prompt);
  if (separator == ';') text += std::string(";") + kQuestion;
  else text += ';';
  return text;
}

}  // namespace

InputPrompt input_statement_prompt(std::string_view args) {
  if (args.find('"') == std::string_view::npos) return {kQuestion, args};
  const std::size_t sep = prompt_separator(args);
  if (sep == std::string_view::npos) raise_error(1, "input: no ',' or ';' after the prompt");
  return {prompt_print_text(args.substr(0, sep), args[sep]), args.substr(sep + 1)};
}

InputPrompt line_input_prompt(std::string_view args) {
  if (args.empty() || args.front() != '"') return {kQuestion, args};
  const std::size_t close = args.find('"', 1);
  if (close == std::string_view::npos) raise_error(1, "line input: the prompt has no closing quote");
  if (close + 1 >= args.size() || (args[close + 1] != ';' && args[close + 1] != ','))
    raise_error(1, "line input: ';' or ',' must follow the prompt");
  return {prompt_print_text(args.substr(0, close + 1), args[close + 1]), args.substr(close + 2)};
}

bool is_line_input(std::string_view text, std::string_view& after_word) {
  constexpr std::string_view kWord = "input";
  std::size_t i = 0;
  while (i < text.size() && is_blank_or_tab(text[i])) ++i;
  if (text.size() - i <= kWord.size()) return false;
  for (std::size_t k = 0; k < kWord.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(text[i + k])) != kWord[k]) return false;
  const char next = text[i + kWord.size()];
  if (!is_blank_or_tab(next) && next != '"') return false;
  after_word = text.substr(i + kWord.size());
  while (!after_word.empty() && is_blank_or_tab(after_word.front())) after_word.remove_prefix(1);
  return true;
}

std::vector<std::string> split_names(std::string_view list) {
  list = list.substr(0, std::min(list.size(), kListLimit));
  std::vector<std::string> names;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= list.size(); ++i) {
    if (i == list.size() || (list[i] == ',' && depth == 0)) {
      names.emplace_back(list.substr(start, i - start));
      start = i + 1;
    } else if (list[i] == '(') {
      ++depth;
    } else if (list[i] == ')') {
      --depth;
    }
  }
  return names;
}

std::vector<std::string_view> split_values(std::string_view line) {
  std::vector<std::string_view> values;
  std::size_t start = 0;
  for (std::size_t comma; (comma = line.find(',', start)) != std::string_view::npos; start = comma + 1)
    values.push_back(line.substr(start, comma - start));
  values.push_back(line.substr(start));
  return values;
}

double leading_number(std::string_view value) {
  std::size_t i = 0;
  while (i < value.size() && is_blank_or_tab(value[i])) ++i;
  const std::size_t start = i;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) ++i;
  bool digits = false;
  while (i < value.size() && is_digit(value[i])) ++i, digits = true;
  if (i < value.size() && value[i] == '.') {
    ++i;
    while (i < value.size() && is_digit(value[i])) ++i, digits = true;
  }
  if (!digits) return 0;
  // An exponent counts only with a digit after its letter and sign.
  if (i < value.size() && (value[i] == 'e' || value[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < value.size() && (value[j] == '+' || value[j] == '-')) ++j;
    if (j < value.size() && is_digit(value[j])) {
      while (j < value.size() && is_digit(value[j])) ++j;
      i = j;
    }
  }
  const std::string number(value.substr(start, i - start));
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace tess
