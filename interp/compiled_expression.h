// Compiled forms of numeric expressions, conditions and variable references.
//
// The evaluators work on text: a group or an array element is replaced by its
// "%.14g" value text and the result is read again, signs are folded, a leading
// minus binds tighter than '^'. A compiled form is built once from a text that
// holds no function calls and gives the same value without rewriting any text:
// spliced values go through their value text (through_value_text), and where the
// text would read a spliced value differently (a negative value after a sign,
// an infinity) the compiled form throws NotExact and the caller evaluates the
// text instead. Texts outside the forms handled here do not compile at all.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "builtins/function_table.h"
#include "interp/flat_eval.h"
#include "interp/variable_store.h"

namespace tess {

class Interpreter;

// The compiled answer may differ from the text's: evaluate the text.
struct NotExact {};

// A number after travelling as "%.14g" value text and being read back.
// Integers below 10^14 are their own text; a value without number text
// (infinity, NaN) throws NotExact.
double through_value_text(double value);
// Most values are integers well inside 14 digits: their text is themselves.
inline double value_text_round(double value) {
  if (value > -1e14 && value < 1e14 && value == static_cast<double>(static_cast<int64_t>(value))) return value;
  return through_value_text(value);
}

class CompiledNumber;
class CompiledCall;

// A variable reference: a name, or a name with an index list of expressions.
class CompiledReference {
 public:
  static std::unique_ptr<CompiledReference> compile(std::string_view reference, int depth = 0);
  ~CompiledReference();

  std::string_view name() const { return name_; }
  // The name's type: from its suffix, else from its initial in the letter lists.
  VarType type(const TypeLetters& letters) const {
    return initial_ ? letters.type_of_initial(initial_) : suffix_type_;
  }
  bool has_indexes() const { return has_indexes_; }
  double read_number(Interpreter& in);
  // Answers the value as stored (integer names keep the integer view).
  double write_number(Interpreter& in, double value);
  std::string* find_string(Interpreter& in);
  std::string& string_for_write(Interpreter& in);

 private:
  // The index list's integer views (a negative index throws NotExact).
  std::span<const int32_t> indexes(Interpreter& in, std::array<int32_t, 8>& out);

  std::string name_;
  char initial_ = 0;  // set when the type comes from the letter lists
  VarType suffix_type_ = VarType::Double;
  bool has_indexes_ = false;
  std::vector<std::unique_ptr<CompiledNumber>> index_exprs_;
  NameHandle handle_;
};

class CompiledNumber {
 public:
  // Null when the text is outside the compiled forms (the text is evaluated).
  static std::unique_ptr<CompiledNumber> compile(std::string_view expr, int depth = 0);
  ~CompiledNumber();

  double evaluate(Interpreter& in);

  // A text that is one number (a loop's limit or increment, mostly): its value
  // never changes, so callers may read it once.
  bool is_constant() const { return steps_.size() == 1 && steps_[0].kind == Kind::Constant; }
  double constant() const { return steps_[0].constant; }

 private:
  enum class Kind : uint8_t { Constant, Scalar, NegatedScalar, Splice, Operator };
  // How the text reads a spliced value: as it is, after a minus that follows an
  // operator, or after the leading minus of the whole text.
  enum class Sign : uint8_t { Plain, Negated, Leading };
  struct Step {
    Kind kind = Kind::Constant;
    Op op = Op::Add;
    Sign sign = Sign::Plain;
    bool sign_sensitive = false;  // a negative value here would be folded into the sign before it
    uint32_t index = 0;           // into scalars_ or splices_
    double constant = 0;
  };
  struct Scalar {
    std::string name;
    NameHandle handle;
  };
  struct Splice {
    std::unique_ptr<CompiledNumber> group;        // a parenthesised group, or
    std::unique_ptr<CompiledReference> element;   // an array element, or
    std::unique_ptr<CompiledCall> call;           // a call answering a whole number
    Splice();
    Splice(Splice&&) noexcept;
    ~Splice();
  };
  bool compile_level(std::string_view level, int depth);
  double scalar(Interpreter& in, Scalar& s);
  double run_steps(Interpreter& in, double* stack);

  // The commonest forms ("x", "x + 1") are evaluated without the stack machine,
  // with the same operations.
  enum class Shape : uint8_t { General, Constant, Scalar, ScalarOpConstant };
  void find_shape();

  Shape shape_ = Shape::General;
  std::vector<Step> steps_;  // operands and operators in evaluation order
  std::vector<Scalar> scalars_;
  std::vector<Splice> splices_;
};

// A built-in's code by its keyword (0 when there is none), from the function table.
constexpr uint16_t function_code(std::string_view keyword) {
#define TESS_CODE_OF(name, code, word, handler, needs, refusal, role) \
  if (keyword == word) return code;
  TESS_FUNCTIONS(TESS_CODE_OF)
#undef TESS_CODE_OF
  return 0;
}

// The built-ins a plan may call itself: they read variables and change nothing,
// so calling them in another order than the expansion does, or not at all when
// the plan hands the statement back, cannot be seen. Their codes' bytes are
// control characters, so no keyword search over a text can match inside one.
bool is_plannable_call(uint16_t code);

// A condition of comparisons without logical operators or string sides.
class CompiledCondition {
 public:
  static std::unique_ptr<CompiledCondition> compile(std::string_view condition);
  ~CompiledCondition();

  double evaluate(Interpreter& in);

 private:
  std::unique_ptr<CompiledNumber> whole_;  // no comparison: the integer view of this
  std::unique_ptr<CompiledNumber> left_, right_;
  Op relation_ = Op::Equal;
  char initial_ = 0;  // the left side's initial when its type comes from the letter lists
};

}  // namespace tess
