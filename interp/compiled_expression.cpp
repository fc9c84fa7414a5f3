#include "interp/compiled_expression.h"

#include <cmath>
#include <cstring>

#include "interp/evaluate.h"
#include "interp/function_codes.h"
#include "interp/interpreter.h"
#include "interp/number_text.h"
#include "interp/operators.h"
#include "interp/text_scan.h"
#include "interp/value_limits.h"

namespace tess {
namespace {

// Where a spliced value stands in a level's text while it is compiled. It is no
// operator, digit, letter or 'e', so the flat tokeniser reads it as a token of
// its own, as it reads the positive value text that will stand there.
constexpr char kSpliceMark = '\x02';

// Longer texts, deeper nesting and longer index lists are left to the text.
// Kept well inside the evaluators' own limits: a 1,024-byte text with every
// group replaced by the longest value text stays below 8,191 bytes.
constexpr std::size_t kLongestText = 1024;
constexpr int kDeepest = 16;
constexpr std::size_t kMostIndexes = 8;

// Bytes a compiled text may hold; anything else (quotes, '$', function and not
// tokens, Shift-JIS bytes) leaves the text to the evaluators.
bool is_plain_byte(char c) {
  if (is_letter(c) || is_digit(c) || is_operator_char(c)) return true;
  switch (c) {
    case '_': case '.': case '!': case '#': case '%': case '&': case '(': case ')': case ',': case ' ': case '\t':
    case '$':  // string names, only inside a call's arguments (see CompiledNumber::compile)
      return true;
    default:
      return false;
  }
}

// The text without blanks and tabs, or nothing when it holds other bytes than
// those above and the operator tokens of `tokens`.
std::optional<std::string> plain_text(std::string_view text, std::string_view tokens) {
  if (text.size() > kLongestText) return std::nullopt;
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == kTokenMark) {
      if (i + 1 >= text.size() || tokens.find(text[i + 1]) == std::string_view::npos) return std::nullopt;
      const std::size_t n = text[i + 1] == 'f' ? kFunctionTokenSize : 2;
      if (i + n > text.size()) return std::nullopt;
      out.append(text, i, n);
      i += n - 1;
      continue;
    }
    if (!is_plain_byte(c)) return std::nullopt;
    if (!is_blank_or_tab(c)) out += c;
  }
  return out;
}

// The ')' matching the '(' at open, or npos.
std::size_t group_close(std::string_view s, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < s.size(); i += unit_length(s, i)) {
    if (s[i] == '(') ++depth;
    else if (s[i] == ')' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

bool valid_name(std::string_view name) { return !name.empty() && is_name_start(name[0]) && name.size() <= kMaxName; }

constexpr uint16_t kAsc = code_of(Fn::kAsc);
constexpr uint16_t kLen = code_of(Fn::kLen);
constexpr uint16_t kMid = code_of(Fn::kMid);

uint16_t code_at(std::string_view s, std::size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(s[at + 2]) << 8 | static_cast<uint8_t>(s[at + 3]));
}

// The arguments of a list at top-level commas.
std::vector<std::string_view> split_list(std::string_view list) {
  std::vector<std::string_view> parts;
  int nesting = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < list.size(); i += unit_length(list, i)) {
    if (list[i] == '(') ++nesting;
    else if (list[i] == ')') --nesting;
    else if (list[i] == ',' && nesting == 0) {
      parts.push_back(list.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(list.substr(start));
  return parts;
}

// Results longer than this are left to the text (they would travel as long
// value texts through the expansion).
constexpr std::size_t kLongestPart = 1024;

}  // namespace

bool is_plannable_call(uint16_t code) { return code == kAsc || code == kLen || code == kMid; }

// ASC or LEN of a plain string variable or of a middle part of one. The text
// path expands the middle part to a quoted value text and hands it to ASC or
// LEN, which decode it again; for a value without escapes in the part read,
// that gives back the part's bytes, which are read here in place.
class CompiledCall {
 public:
  static std::unique_ptr<CompiledCall> compile(uint16_t code, std::string_view args, int depth) {
    if (code != kAsc && code != kLen) return nullptr;
    auto c = std::make_unique<CompiledCall>();
    c->length_of_ = code == kLen;
    std::string_view source = args;
    if (args.size() > kFunctionTokenSize + 1 && args[0] == kTokenMark && args[1] == 'f' && code_at(args, 0) == kMid &&
        args[kFunctionTokenSize] == '(' && group_close(args, kFunctionTokenSize) == args.size() - 1) {
      const auto parts = split_list(args.substr(kFunctionTokenSize + 1, args.size() - kFunctionTokenSize - 2));
      if (parts.size() < 2 || parts.size() > 3) return nullptr;
      for (std::string_view part : parts)
        if (part.empty()) return nullptr;
      source = parts[0];
      c->start_ = CompiledNumber::compile(parts[1], depth + 1);
      if (!c->start_) return nullptr;
      if (parts.size() == 3) {
        c->count_ = CompiledNumber::compile(parts[2], depth + 1);
        if (!c->count_) return nullptr;
      }
      c->middle_ = true;
    }
    // The string functions' own test for a variable they may read in place.
    if (source.size() > kMaxName || !is_string_variable_name(source)) return nullptr;
    c->source_ = source;
    return c;
  }

  double evaluate(Interpreter& in) {
    const std::string* stored = in.variables().strings.find_scalar(source_, handle_);
    const std::string_view value = stored ? std::string_view(*stored) : std::string_view{};
    std::string_view part = value;
    if (middle_) {
      // The middle part's checks, in its order; their errors are the text's to raise.
      const int64_t start = int64_t{integer_view(start_->evaluate(in))} - 1;
      if (start < 0) throw NotExact{};
      int64_t count = -1;
      if (count_) {
        count = integer_view(count_->evaluate(in));
        if (count < 0) throw NotExact{};
      }
      if (static_cast<uint64_t>(start) >= value.size()) {
        part = {};  // past the end of the decoded bytes too, which are never longer
      } else {
        const auto from = static_cast<std::size_t>(start);
        const std::size_t rest = value.size() - from;
        const std::size_t end = from + (count < 0 ? rest : std::min(static_cast<std::size_t>(count), rest));
        // Up to the part's end the stored bytes are the decoded ones only when no escape comes first.
        if (std::memchr(value.data(), kTokenMark, end)) throw NotExact{};
        part = value.substr(from, end - from);
      }
    } else if (length_of_ ? value.find(kTokenMark) != std::string_view::npos
                          : (!value.empty() && value[0] == kTokenMark)) {
      throw NotExact{};
    }
    if (middle_) {
      // The part travels as a quoted value text: only plain short parts are read here.
      if (part.size() > kLongestPart) throw NotExact{};
      for (char b : part)
        if (static_cast<uint8_t>(b) >= 0x80) throw NotExact{};
    }
    if (length_of_) return static_cast<double>(part.size());
    return part.empty() ? 0.0 : static_cast<double>(static_cast<uint8_t>(part[0]));
  }

 private:
  bool length_of_ = false;  // LEN, else ASC
  bool middle_ = false;     // of MID$(source, start[, count])
  std::string source_;  // a plain string variable
  NameHandle handle_;
  std::unique_ptr<CompiledNumber> start_, count_;
};

CompiledNumber::Splice::Splice() = default;
CompiledNumber::Splice::Splice(Splice&&) noexcept = default;
CompiledNumber::Splice::~Splice() = default;

double through_value_text(double value) {
  if (std::trunc(value) == value && std::fabs(value) < 1e14) return value;  // its own "%.14g" text
  if (!std::isfinite(value)) throw NotExact{};  // "inf" and "nan" would read as names
  char buf[kNumberTextMax];
  return read_decimal(std::string_view(buf, write_number(value, buf)));
}

// --- references --------------------------------------------------------------

CompiledReference::~CompiledReference() = default;

std::unique_ptr<CompiledReference> CompiledReference::compile(std::string_view reference, int depth) {
  const auto s = plain_text(reference, "&|em");
  if (!s) return nullptr;
  auto r = std::make_unique<CompiledReference>();
  const std::size_t open = s->find('(');
  r->name_ = s->substr(0, open);
  if (!valid_name(r->name_)) return nullptr;
  for (char c : r->name_)
    if (!is_name_char(c)) return nullptr;
  switch (r->name_.back()) {
    case '#': r->suffix_type_ = VarType::Double; break;
    case '%': r->suffix_type_ = VarType::Integer; break;
    case '!': r->suffix_type_ = VarType::Single; break;
    default: r->initial_ = r->name_.front();
  }
  if (open == std::string::npos) return r;
  const std::size_t close = group_close(*s, open);
  if (close != s->size() - 1) return nullptr;  // text after the ')' is left to the text path
  r->has_indexes_ = true;
  const std::string_view list = std::string_view(*s).substr(open + 1, close - open - 1);
  int nesting = 0;
  std::size_t start = 0;
  for (std::size_t i = 0;; i += (i < list.size() ? unit_length(list, i) : 1)) {
    const bool end = i >= list.size();
    if (!end) {
      if (list[i] == '(') ++nesting;
      else if (list[i] == ')') --nesting;
      if (list[i] != ',' || nesting != 0) continue;
    }
    auto index = CompiledNumber::compile(list.substr(start, i - start), depth + 1);
    if (!index || r->index_exprs_.size() == kMostIndexes) return nullptr;
    r->index_exprs_.push_back(std::move(index));
    if (end) break;
    start = i + 1;
  }
  return r;
}

std::span<const int32_t> CompiledReference::indexes(Interpreter& in, std::array<int32_t, 8>& out) {
  std::size_t n = 0;
  for (auto& e : index_exprs_) {
    const int32_t index = integer_view(e->evaluate(in));
    if (index < 0) throw NotExact{};  // the text path raises the error
    out[n++] = index;
  }
  return std::span<const int32_t>(out.data(), n);
}

double CompiledReference::read_number(Interpreter& in) {
  Directory<double>& numbers = in.variables().numbers;
  if (!has_indexes_) {
    const double* v = numbers.find_scalar(name_, handle_);
    return v ? *v : 0.0;
  }
  std::array<int32_t, 8> buf;
  const double* v = numbers.find_element(name_, indexes(in, buf), handle_);
  return v ? *v : 0.0;
}

double CompiledReference::write_number(Interpreter& in, double value) {
  VariableStore& store = in.variables();
  if (type(store.letters) == VarType::Integer) value = integer_view(value);
  if (!has_indexes_) return store.numbers.scalar_for_write(name_, handle_) = value;
  std::array<int32_t, 8> buf;
  return store.numbers.element_for_write(name_, indexes(in, buf), handle_) = value;
}

std::string* CompiledReference::find_string(Interpreter& in) {
  Directory<std::string>& strings = in.variables().strings;
  if (!has_indexes_) return strings.find_scalar(name_, handle_);
  std::array<int32_t, 8> buf;
  return strings.find_element(name_, indexes(in, buf), handle_);
}

std::string& CompiledReference::string_for_write(Interpreter& in) {
  Directory<std::string>& strings = in.variables().strings;
  if (!has_indexes_) return strings.scalar_for_write(name_, handle_);
  std::array<int32_t, 8> buf;
  return strings.element_for_write(name_, indexes(in, buf), handle_);
}

// --- numeric expressions -------------------------------------------------------

CompiledNumber::~CompiledNumber() = default;

// The steps of the numeric evaluator, done once on the text: array references
// and groups become splices (compiled on their own), and the level that is left
// is read by the flat evaluator's own tokeniser.
std::unique_ptr<CompiledNumber> CompiledNumber::compile(std::string_view expr, int depth) {
  if (depth > kDeepest) return nullptr;
  const auto plain = plain_text(expr, "&|emf");
  if (!plain) return nullptr;
  const std::string_view s = *plain;
  for (std::size_t i = 0; i + 1 < s.size(); ++i)
    if (is_sign(s[i]) && is_sign(s[i + 1])) return nullptr;  // sign folding would rewrite the text itself
  if (!s.empty() && s[0] == '+') return nullptr;

  auto c = std::make_unique<CompiledNumber>();
  std::string level;
  level.reserve(s.size());
  std::size_t run = std::string::npos;  // start of the name characters before a '('
  for (std::size_t i = 0; i < s.size();) {
    const char ch = s[i];
    if (ch == kTokenMark && i + 1 < s.size() && s[i + 1] == 'f') {
      if (!c->splice_call(s, i, run, level, depth)) return nullptr;
      run = std::string::npos;
    } else if (ch == kTokenMark) {
      level.append(s, i, 2);
      i += 2;
      run = std::string::npos;
    } else if (is_name_char(ch)) {
      if (run == std::string::npos) run = i;
      level += ch;
      ++i;
    } else if (ch == '(') {
      if (!c->splice_parenthesis(s, i, run, level, depth)) return nullptr;
      run = std::string::npos;
    } else if (ch == ')' || ch == ',' || ch == '$') {
      return nullptr;
    } else {
      level += ch;
      ++i;
      run = std::string::npos;
    }
  }
  if (!c->compile_level(level, depth)) return nullptr;
  c->find_shape();
  return c;
}

// The call whose token stands at i becomes a splice; i moves past its ')'. A
// call stands where its value text will: not glued to a name or number on
// either side (the text would read one token there).
bool CompiledNumber::splice_call(std::string_view s, std::size_t& i, std::size_t run, std::string& level,
                                 int depth) {
  const std::size_t open = i + kFunctionTokenSize;
  if (run != std::string::npos || open >= s.size() || s[open] != '(') return false;
  const std::size_t close = group_close(s, open);
  if (close == std::string::npos) return false;
  if (close + 1 < s.size() && (is_name_char(s[close + 1]) || s[close + 1] == '(')) return false;
  Splice splice;
  splice.call = CompiledCall::compile(code_at(s, i), s.substr(open + 1, close - open - 1), depth + 1);
  if (!splice.call) return false;
  splices_.push_back(std::move(splice));
  level += kSpliceMark;
  i = close + 1;
  return true;
}

// The '(' at i opens an array element (after the name that began at run) or a
// group; either becomes a splice, and i moves past its ')'.
bool CompiledNumber::splice_parenthesis(std::string_view s, std::size_t& i, std::size_t run, std::string& level,
                                        int depth) {
  const std::size_t close = group_close(s, i);
  if (close == std::string::npos) return false;
  Splice splice;
  if (run != std::string::npos) {
    splice.element = CompiledReference::compile(s.substr(run, close + 1 - run), depth + 1);
    if (!splice.element) return false;
    level.resize(level.size() - (i - run));
  } else {
    splice.group = compile(s.substr(i + 1, close - i - 1), depth + 1);
    if (!splice.group) return false;
  }
  splices_.push_back(std::move(splice));
  level += kSpliceMark;
  i = close + 1;
  return true;
}

// One level without parentheses, as the flat evaluator reads it, in the same
// order of reduction (each pass left to right is precedence climbing with left
// association).
bool CompiledNumber::compile_level(std::string_view level, int) {
  if (level.empty()) {
    steps_.push_back(Step{});
    return true;
  }
  std::vector<Step> operands;
  std::vector<Op> ops;
  uint32_t next_splice = 0;
  for (std::size_t i = 0;;) {
    Step st;
    const std::size_t end = read_operand(level, i, next_splice, st);
    if (end == std::string_view::npos) return false;
    operands.push_back(st);
    if (operands.size() > kMaxOperands) return false;
    i = end;
    if (i >= level.size()) break;
    ops.push_back(read_operator(level, i));
    if (i >= level.size()) return false;  // an operator with no operand after it
  }
  if (next_splice != splices_.size()) return false;
  mark_sign_sensitive(operands, ops);
  order_steps(operands, ops);
  return true;
}

// The operand at i as a step; answers where it ends, or npos when the level is
// outside the compiled forms.
std::size_t CompiledNumber::read_operand(std::string_view level, std::size_t i, uint32_t& next_splice, Step& st) {
  if (i == 0 && level[0] == '-' && level.size() > 1 && is_name_start(level[1])) {
    // A leading minus before a name negates the variable, read as value text.
    std::size_t end = 2;
    while (end < level.size() && !is_operator_boundary(level, end)) ++end;
    const std::string_view name = level.substr(1, end - 1);
    if (name.find(kSpliceMark) != std::string_view::npos) return std::string_view::npos;
    st.kind = Kind::NegatedScalar;
    st.index = static_cast<uint32_t>(scalars_.size());
    scalars_.push_back(Scalar{std::string(name), {}});
    return end;
  }
  const std::size_t end = operand_end(level, i);
  const std::string_view token = level.substr(i, end - i);
  if (token.size() > kMaxOperandToken) return std::string_view::npos;
  const bool marked = token.find(kSpliceMark) != std::string_view::npos;
  if (token.size() == 1 && marked) {
    st.kind = Kind::Splice;
    st.index = next_splice++;
  } else if (token.size() == 2 && token[0] == '-' && token[1] == kSpliceMark) {
    st.kind = Kind::Splice;
    st.sign = i == 0 ? Sign::Leading : Sign::Negated;
    st.index = next_splice++;
  } else if (marked || token.empty()) {
    return std::string_view::npos;
  } else if (is_digit(token[0]) || token[0] == '-' || token[0] == '.') {
    st.constant = read_decimal(token);
  } else if (token[0] == '&') {
    st.constant = read_based(token);
  } else if (is_name_start(token[0])) {
    st.kind = Kind::Scalar;
    st.index = static_cast<uint32_t>(scalars_.size());
    scalars_.push_back(Scalar{std::string(token), {}});
  } else {
    return std::string_view::npos;
  }
  return end;
}

// A negative value spliced after a '+' or '-' is folded into that sign and
// then binds as a positive operand: the same value, except under '^', and
// under '\' and mod when its integer view wraps. Those places are checked.
void CompiledNumber::mark_sign_sensitive(std::vector<Step>& operands, const std::vector<Op>& ops) {
  for (std::size_t k = 1; k < operands.size(); ++k) {
    Step& st = operands[k];
    if (st.kind != Kind::Splice || st.sign != Sign::Plain) continue;
    if (ops[k - 1] != Op::Add && ops[k - 1] != Op::Subtract) continue;
    for (std::size_t j = k; j < ops.size() && pass_of(ops[j]) <= 3; ++j)
      if (ops[j] == Op::Power || ops[j] == Op::IntDivide || ops[j] == Op::Mod) st.sign_sensitive = true;
  }
}

// Operands and operators in evaluation order: an operator waits until one of
// a later pass (or of the same pass, being left-associative) comes.
void CompiledNumber::order_steps(const std::vector<Step>& operands, const std::vector<Op>& ops) {
  std::vector<Op> pending;
  auto apply_pending = [&] {
    Step st;
    st.kind = Kind::Operator;
    st.op = pending.back();
    pending.pop_back();
    steps_.push_back(st);
  };
  steps_.push_back(operands[0]);
  for (std::size_t k = 0; k < ops.size(); ++k) {
    while (!pending.empty() && pass_of(pending.back()) <= pass_of(ops[k])) apply_pending();
    pending.push_back(ops[k]);
    steps_.push_back(operands[k + 1]);
  }
  while (!pending.empty()) apply_pending();
}

inline double CompiledNumber::scalar(Interpreter& in, Scalar& s) {
  const double* v = in.variables().numbers.find_scalar(s.name, s.handle);
  return v ? *v : 0.0;
}

void CompiledNumber::find_shape() {
  if (steps_.size() == 1 && steps_[0].kind == Kind::Constant) shape_ = Shape::Constant;
  if (steps_.size() == 1 && steps_[0].kind == Kind::Scalar) shape_ = Shape::Scalar;
  if (steps_.size() == 3 && steps_[0].kind == Kind::Scalar && steps_[1].kind == Kind::Constant &&
      steps_[2].kind == Kind::Operator &&
      (steps_[2].op == Op::Add || steps_[2].op == Op::Subtract || steps_[2].op == Op::Multiply ||
       steps_[2].op == Op::Mod || steps_[2].op == Op::IntDivide))
    shape_ = Shape::ScalarOpConstant;
}

// Each step pushes at most one value: a short expression needs a short stack
// (the whole stack of the evaluator's limit would be 2 KB per nested group).
double CompiledNumber::evaluate(Interpreter& in) {
  switch (shape_) {
    case Shape::Constant: return steps_[0].constant;
    case Shape::Scalar: return scalar(in, scalars_[0]);
    case Shape::ScalarOpConstant: {
      const double a = scalar(in, scalars_[steps_[0].index]), b = steps_[1].constant;
      switch (steps_[2].op) {
        case Op::Add: return a + b;
        case Op::Subtract: return a - b;
        case Op::Multiply: return a * b;
        default: {
          const int64_t x = integer_view(a), y = integer_view(b);
          if (y == 0) return apply_operator(steps_[2].op, a, b);  // raises the division error
          return static_cast<double>(steps_[2].op == Op::Mod ? x % y : x / y);
        }
      }
    }
    case Shape::General: break;
  }
  constexpr std::size_t kShortStack = 16;
  if (steps_.size() <= kShortStack) {
    std::array<double, kShortStack> stack;
    return run_steps(in, stack.data());
  }
  std::array<double, kMaxOperands + 1> stack;
  return run_steps(in, stack.data());
}

inline double CompiledNumber::run_steps(Interpreter& in, double* stack) {
  std::size_t n = 0;
  for (Step& st : steps_) {
    switch (st.kind) {
      case Kind::Constant: stack[n++] = st.constant; break;
      case Kind::Scalar: stack[n++] = scalar(in, scalars_[st.index]); break;
      case Kind::NegatedScalar: stack[n++] = through_value_text(-scalar(in, scalars_[st.index])); break;
      case Kind::Splice: {
        Splice& sp = splices_[st.index];
        const double v = value_text_round(sp.group     ? sp.group->evaluate(in)
                                          : sp.element ? sp.element->read_number(in)
                                                       : sp.call->evaluate(in));
        if (st.sign == Sign::Leading) {
          stack[n++] = -v;  // "-3" reads -3, and "--3" folds to "+3", whose '+' is dropped
        } else if (std::signbit(v) && (st.sign == Sign::Negated || st.sign_sensitive)) {
          throw NotExact{};
        } else {
          stack[n++] = st.sign == Sign::Negated ? -v : v;
        }
        break;
      }
      case Kind::Operator: {
        const double b = stack[--n];
        double& a = stack[n - 1];
        switch (st.op) {  // the commonest operators without the call
          case Op::Add: a = a + b; break;
          case Op::Subtract: a = a - b; break;
          case Op::Multiply: a = a * b; break;
          case Op::Mod:
          case Op::IntDivide: {
            const int64_t x = integer_view(a), y = integer_view(b);
            if (y == 0) a = apply_operator(st.op, a, b);  // raises the division error
            else a = static_cast<double>(st.op == Op::Mod ? x % y : x / y);
            break;
          }
          default: a = apply_operator(st.op, a, b);
        }
        break;
      }
    }
  }
  return stack[0];
}

// --- conditions --------------------------------------------------------------

CompiledCondition::~CompiledCondition() = default;

std::unique_ptr<CompiledCondition> CompiledCondition::compile(std::string_view condition) {
  const auto s = plain_text(condition, "m");  // logical tokens divide conditions: left to the text
  if (!s || (!s->empty() && (*s)[0] == '(')) return nullptr;  // a leading group is a sub-condition
  auto c = std::make_unique<CompiledCondition>();
  std::size_t at = 0;
  while (at < s->size() && (*s)[at] != '<' && (*s)[at] != '=' && (*s)[at] != '>') at += unit_length(*s, at);
  if (at == s->size()) {
    c->whole_ = CompiledNumber::compile(*s);
    return c->whole_ ? std::move(c) : nullptr;
  }
  // The comparison evaluator's operator, with its two-character forms.
  const char op = (*s)[at];
  const char next = at + 1 < s->size() ? (*s)[at + 1] : '\0';
  std::size_t length = 2;
  if (op == '=' && next == '<') c->relation_ = Op::LessEqual;
  else if (op == '=' && next == '>') c->relation_ = Op::GreaterEqual;
  else if (op == '<' && next == '>') c->relation_ = Op::NotEqual;
  else if (op == '<' && next == '=') c->relation_ = Op::LessEqual;
  else if (op == '>' && next == '<') c->relation_ = Op::NotEqual;
  else if (op == '>' && next == '=') c->relation_ = Op::GreaterEqual;
  else length = 1, c->relation_ = static_cast<Op>(op);
  const std::string_view left = std::string_view(*s).substr(0, at);
  const std::string_view name = left.substr(0, left.find('('));
  if (!name.empty()) {
    const char last = name.back();
    if (last != '#' && last != '%' && last != '!') c->initial_ = name.front();
  }
  c->left_ = CompiledNumber::compile(left);
  c->right_ = CompiledNumber::compile(std::string_view(*s).substr(at + length));
  return (c->left_ && c->right_) ? std::move(c) : nullptr;
}

double CompiledCondition::evaluate(Interpreter& in) {
  if (whole_) return integer_view(whole_->evaluate(in));
  // A left side whose initial is a string letter is a string comparison.
  if (initial_ && in.variables().letters.type_of_initial(initial_) == VarType::String) throw NotExact{};
  const double a = left_->evaluate(in);
  const double b = right_->evaluate(in);
  switch (relation_) {  // as apply_operator compares: -1 for true, 0 for false
    case Op::Equal: return a == b ? -1.0 : 0.0;
    case Op::NotEqual: return a != b ? -1.0 : 0.0;
    case Op::Less: return a < b ? -1.0 : 0.0;
    case Op::Greater: return a > b ? -1.0 : 0.0;
    default: return apply_operator(relation_, a, b);
  }
}

}  // namespace tess
