// The plans of the assignment (assignment.cpp): a numeric target given a
// compiled expression, and a string variable appending one character.
#include <optional>

#include "interp/compiled_expression.h"
#include "interp/evaluate.h"
#include "interp/function_codes.h"
#include "interp/interpreter.h"
#include "interp/numeric_assignment.h"
#include "interp/statement_plan.h"
#include "interp/text_scan.h"
#include "interp/value_limits.h"
#include "interp/value_text.h"

namespace tess {
namespace {

constexpr uint16_t kChr = code_of(Fn::kChr);

// "s$ = s$ + CHR$(number)" for a plain string variable. The handler expands
// the call to a quoted one-byte value text and appends the literal's escaped
// byte to the stored value in place; this appends the same escaped byte
// without the texts. Bytes from 0x80 up go to the handler.
class StringAppendPlan final : public StatementPlan {
 public:
  static std::unique_ptr<StringAppendPlan> make(std::string_view text) {
    if (text.find('"') != std::string_view::npos) return nullptr;
    const auto parts = split_assignment(text);
    if (!parts || !is_string_variable_name(parts->target()) || parts->target().size() > kMaxName) return nullptr;
    const std::string_view target = parts->target(), value = parts->value();
    if (!appends_to(target, value)) return nullptr;
    const auto inner = character_call_argument(value.substr(target.size() + 1));
    if (!inner) return nullptr;
    auto plan = std::make_unique<StringAppendPlan>();
    plan->target_ = target;
    plan->code_ = CompiledNumber::compile(*inner);
    return plan->code_ ? std::move(plan) : nullptr;
  }

  void run(Exec& ex) override {
    const auto byte = static_cast<unsigned char>(int64_t{integer_view(code_->evaluate(ex.in))} & 0xFF);
    if (byte >= 0x80) throw NotExact{};
    encode_byte(byte, ex.in.variables().strings.scalar_for_write(target_, handle_));
  }

 private:
  // The argument of a character call that is the whole text.
  static std::optional<std::string_view> character_call_argument(std::string_view call) {
    if (call.size() < kFunctionTokenSize + 2 || call[0] != kTokenMark || call[1] != 'f' || call.back() != ')' ||
        static_cast<uint16_t>(static_cast<uint8_t>(call[2]) << 8 | static_cast<uint8_t>(call[3])) != kChr ||
        call[kFunctionTokenSize] != '(')
      return std::nullopt;
    const std::string_view inner = call.substr(kFunctionTokenSize + 1);
    int depth = 1;  // the ')' closing the call must be the last byte
    for (std::size_t i = 0; i + 1 < inner.size(); i += unit_length(inner, i)) {
      if (inner[i] == '(') ++depth;
      else if (inner[i] == ')' && --depth == 0) return std::nullopt;
    }
    return inner.substr(0, inner.size() - 1);
  }

  std::string target_;
  NameHandle handle_;
  std::unique_ptr<CompiledNumber> code_;
};

}  // namespace

std::unique_ptr<NumericAssignment> NumericAssignment::make(std::string_view text) {
  if (text.find('"') != std::string_view::npos) return nullptr;
  const auto parts = split_assignment(text);
  if (!parts) return nullptr;
  auto plan = std::make_unique<NumericAssignment>();
  plan->target_ = CompiledReference::compile(parts->target());
  plan->value_ = CompiledNumber::compile(parts->value());
  if (!plan->target_ || !plan->value_) return nullptr;
  return plan;
}

std::unique_ptr<StatementPlan> assignment_plan(const ProgramText&, std::string_view args) {
  if (auto numeric = NumericAssignment::make(args)) return numeric;
  return StringAppendPlan::make(args);
}

bool only_plannable_calls(std::string_view statement) {
  for (std::size_t at = statement.find(kTokenMark); at != std::string_view::npos;
       at = statement.find(kTokenMark, at + 1)) {
    if (at + 1 >= statement.size() || statement[at + 1] != 'f') continue;
    if (at + 3 >= statement.size()) return false;
    const auto code = static_cast<uint16_t>(static_cast<uint8_t>(statement[at + 2]) << 8 |
                                            static_cast<uint8_t>(statement[at + 3]));
    if (!is_plannable_call(code) && code != kChr) return false;
    at += kFunctionTokenSize - 1;
  }
  return true;
}

}  // namespace tess
