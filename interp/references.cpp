// Variable references: the name and index list of a reference text, and the
// reads and writes of the store through them.
#include <array>
#include <vector>

#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/operators.h"
#include "interp/text_scan.h"
#include "interp/value_limits.h"
#include "interp/variables.h"

namespace tess {
namespace {

// Index lists are short; only long ones allocate.
class IndexList {
 public:
  void push(int32_t v) {
    if (count_ == kMaxIndexes) limit_error("more than 255 indexes");
    if (count_ < small_.size() && large_.empty()) {
      small_[count_++] = v;
      return;
    }
    if (large_.empty()) large_.assign(small_.begin(), small_.begin() + static_cast<std::ptrdiff_t>(count_));
    large_.push_back(v);
    ++count_;
  }
  std::span<const int32_t> view() const {
    return large_.empty() ? std::span<const int32_t>(small_.data(), count_) : std::span<const int32_t>(large_);
  }

 private:
  std::array<int32_t, 6> small_{};
  std::vector<int32_t> large_;
  std::size_t count_ = 0;
};

struct Reference {
  std::string_view name;
  bool has_indexes = false;
  IndexList indexes;
};

// The position of the ')' matching the '(' at open (quotes not considered).
std::size_t matching_paren(std::string_view s, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < s.size(); i += unit_length(s, i)) {
    if (s[i] == '(') ++depth;
    else if (s[i] == ')' && --depth == 0) return i;
  }
  value_error("missing ')'");
}

void check_name(std::string_view name) {
  if (name.empty() || !is_name_start(name[0])) value_error("a variable name must begin with a letter or '_'");
  if (name.size() > kMaxName) limit_error("a name longer than 1,024 bytes");
}

// The index list is split at commas at depth 1 outside quotes; each index is a
// numeric expression whose integer view may not be negative. Text after the
// closing parenthesis is ignored.
Reference parse(Interpreter& in, std::string_view text) {
  Reference r;
  const std::size_t open = text.find('(');
  r.name = text.substr(0, open);
  check_name(r.name);
  if (open == std::string_view::npos) return r;
  r.has_indexes = true;
  const std::size_t close = matching_paren(text, open);
  const std::string_view list = text.substr(open + 1, close - open - 1);
  bool quoted = false;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0;; i += unit_length(list, i)) {
    const bool end = i >= list.size();
    if (!end) {
      const char c = list[i];
      if (c == '"') quoted = !quoted;
      else if (c == '(') ++depth;
      else if (c == ')') --depth;
      if (c != ',' || quoted || depth != 0) continue;
    }
    const int32_t index = integer_view(eval_number(in, list.substr(start, i - start)));
    if (index < 0) value_error("negative index");
    r.indexes.push(index);
    if (end) break;
    start = i + 1;
  }
  return r;
}

template <class Value>
Value* find(Directory<Value>& d, const Reference& r) {
  return r.has_indexes ? d.find_element(r.name, r.indexes.view()) : d.find_scalar(r.name);
}

template <class Value>
Value& find_for_write(Directory<Value>& d, const Reference& r) {
  return r.has_indexes ? d.element_for_write(r.name, r.indexes.view()) : d.scalar_for_write(r.name);
}

}  // namespace

VarType variable_type(Interpreter& in, std::string_view reference) { return in.variables().type_of(reference); }

bool is_string_item(Interpreter& in, std::string_view item) {
  if (item.front() == '"') return true;
  std::size_t head = 0;
  while (head < item.size() && item[head] != '(' && item[head] != ')' && !is_operator_boundary(item, head)) ++head;
  return variable_type(in, item.substr(0, head)) == VarType::String;
}

double read_number(Interpreter& in, std::string_view reference) {
  const Reference r = parse(in, reference);
  const double* v = find(in.variables().numbers, r);
  return v ? *v : 0.0;
}

std::string_view read_string(Interpreter& in, std::string_view reference) {
  const Reference r = parse(in, reference);
  const std::string* v = find(in.variables().strings, r);
  return v ? std::string_view(*v) : std::string_view{};
}

void write_number(Interpreter& in, std::string_view reference, double value) {
  const Reference r = parse(in, reference);
  if (in.variables().type_of(r.name) == VarType::Integer) value = integer_view(value);
  find_for_write(in.variables().numbers, r) = value;
}

void write_string(Interpreter& in, std::string_view reference, std::string_view value) {
  const Reference r = parse(in, reference);
  find_for_write(in.variables().strings, r).assign(value);
}

void append_string(Interpreter& in, std::string_view reference, std::string_view value) {
  const Reference r = parse(in, reference);
  find_for_write(in.variables().strings, r).append(value);
}

void declare_array(Interpreter& in, std::string_view name, std::span<const int32_t> bounds) {
  check_name(name);
  VariableStore& v = in.variables();
  if (v.type_of(name) == VarType::String) v.strings.declare_array(name, bounds);
  else v.numbers.declare_array(name, bounds);
}

bool has_array_or_element(Interpreter& in, std::string_view name) {
  return in.variables().numbers.has_array_or_element(name);
}

void erase_variable(Interpreter& in, std::string_view name) {
  check_name(name);
  VariableStore& v = in.variables();
  if (v.type_of(name) == VarType::String) v.strings.erase(name);
  else v.numbers.erase(name);
}

bool add_type_letter(Interpreter& in, VarType list, char letter) { return in.variables().letters.add(list, letter); }

}  // namespace tess
