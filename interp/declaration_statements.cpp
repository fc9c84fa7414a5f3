// The type default, declare, swap and string replacement statements: work on the
// variable store that is not an assignment.
#include <algorithm>
#include <string>
#include <vector>

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/flow_handlers.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"
#include "interp/variables.h"

namespace tess {
namespace {

bool is_upper(char c) { return c >= 'A' && c <= 'Z'; }

std::string upper_case(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = TypeLetters::upper(c);
  return out;
}

struct TypeWord {
  std::string_view word;
  VarType type;
};
constexpr TypeWord kTypeWords[] = {{"int", VarType::Integer}, {"sng", VarType::Single}, {"str", VarType::String}};

// A letter at the start or after ',' is added; "X-Y" adds the letters after X
// up to Y. Other characters between are passed over.
std::string letters_of(std::string_view list) {
  std::string letters;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const bool item_start = i == 0 || list[i - 1] == ',';
    if (!item_start) continue;
    const char first = list[i];
    if (!is_upper(first)) raise_error(1, "type default: letter expected");
    letters += first;
    if (i + 1 < list.size() && list[i + 1] == '-') {
      const char last = i + 2 < list.size() ? list[i + 2] : '\0';
      if (!is_upper(last) || last < first) raise_error(1, "type default: bad letter range");
      for (char c = static_cast<char>(first + 1); c <= last; ++c) letters += c;
      i += 2;
    }
  }
  return letters;
}

// Items split at commas outside quotes and parentheses; unbalanced parentheses
// are error 1.
std::vector<std::string> declared_items(std::string_view list) {
  int depth = 0;
  bool quoted = false;
  for (const char c : list) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) break;
  }
  if (depth != 0) raise_error(1, "declaration: unbalanced parentheses");
  std::vector<std::string> items;
  std::string item;
  for (std::size_t next = 0; next < list.size();) {
    next = split_argument(list, next, item);
    items.push_back(item);
  }
  return items;
}

void declare_item(Interpreter& in, std::string_view item) {
  const std::size_t open = item.find('(');
  const std::string name(item.substr(0, open));
  if (has_array_or_element(in, name)) raise_error(17, name + " is already declared");
  const bool is_string = variable_type(in, name) == VarType::String;
  if (open == std::string_view::npos) {
    if (is_string) write_string(in, name, "");
    else write_number(in, name, 0);
    return;
  }
  const std::size_t close = item.rfind(')');
  const std::string_view inside = item.substr(open + 1, close == std::string_view::npos || close < open ? 0 : close - open - 1);
  std::vector<int32_t> bounds;
  std::string bound;
  for (std::size_t next = 0; next < inside.size();) {
    next = split_argument(inside, next, bound);
    bounds.push_back(integer_view(eval_number(in, bound)));
  }
  declare_array(in, name, bounds);
}

// The ')' matching the '(' at text[0], quotes respected; npos when none.
std::size_t matching_parenthesis(std::string_view text) {
  int depth = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (quoted) continue;
    if (text[i] == '(') ++depth;
    if (text[i] == ')' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

}  // namespace

void stmt_type_default(Exec& ex, std::string_view args) {
  if (args.size() < 3) raise_error(1, "type default without type word");
  const std::string_view word = args.substr(args.size() - 3);
  const std::string letters = letters_of(upper_case(args.substr(0, args.size() - 3)));
  for (const auto& [name, type] : kTypeWords) {
    if (!word_at(word, 0, name)) continue;
    // A full list refuses further letters; the statement goes on.
    for (const char c : letters) add_type_letter(ex.in, type, c);
  }
}

void stmt_declare(Exec& ex, std::string_view args) {
  for (const std::string& item : declared_items(strip_blanks(args))) declare_item(ex.in, item);
}

void stmt_swap(Exec& ex, std::string_view args) {
  std::string first, second;
  const std::size_t next = split_argument(args, 0, first);
  second = std::string(args.substr(std::min(next, args.size())));
  first = strip_blanks(first);
  second = strip_blanks(second);
  if (variable_type(ex.in, first) == VarType::String) {
    const std::string a(read_string(ex.in, first));
    const std::string b(read_string(ex.in, second));
    write_string(ex.in, first, b);
    write_string(ex.in, second, a);
  } else {
    const double a = read_number(ex.in, first);
    const double b = read_number(ex.in, second);
    write_number(ex.in, first, b);
    write_number(ex.in, second, a);
  }
}

// The replacement is cut to the region's length first; only then is the region
// clipped to the end of the string, so a replacement that reaches past the end
// makes the string longer.
void stmt_replace_part(Exec& ex, std::string_view args) {
  const std::string text = strip_blanks(args);
  const std::size_t close = text.empty() || text[0] != '(' ? std::string::npos : matching_parenthesis(text);
  if (close == std::string::npos || close + 1 >= text.size() || text[close + 1] != '=')
    raise_error(1, "string replacement: (variable, start[, length]) = expected");
  std::string replacement = decode(eval_string(ex.in, std::string_view(text).substr(close + 2)), false);

  const std::string_view inside = std::string_view(text).substr(1, close - 1);
  std::string name, start_text, length_text;
  std::size_t next = split_argument(inside, 0, name);
  next = split_argument(inside, next, start_text);
  const bool has_length = next < inside.size();
  if (has_length) split_argument(inside, next, length_text);

  std::string value = decode(read_string(ex.in, name), false);
  const int64_t n = static_cast<int64_t>(value.size());
  const int64_t start = integer_view(eval_number(ex.in, start_text));
  if (start < 1 || start > n) raise_error(1, "string replacement: start outside the string");
  int64_t d = has_length ? std::max<int64_t>(0, integer_view(eval_number(ex.in, length_text)))
                         : static_cast<int64_t>(replacement.size());
  if (static_cast<int64_t>(replacement.size()) > d) replacement.resize(static_cast<std::size_t>(d));
  d = std::min(d, n - start + 1);
  value.replace(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(d), replacement);
  write_string(ex.in, name, encode(value));
}

}  // namespace tess
