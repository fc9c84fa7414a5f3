#include "interp/statement_cache.h"

#include "interp/compiled_expression.h"
#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/flow_handlers.h"
#include "interp/flow_scan.h"
#include "interp/interpreter.h"
#include "interp/statement_plan.h"
#include "interp/statements.h"
#include "interp/text_scan.h"
#include "interp/value_limits.h"
#include "interp/value_text.h"

namespace tess {
namespace {

enum Code : uint16_t {
  kConditional = 0x1021,
  kJump = 0x1023,
  kCall = 0x1024,
  kReturn = 0x1025,
  kLoopHead = 0x1027,
  kLoopEnd = 0x1030,
  kPlainJump = 0x1033,
  kLet = 0x107A,
};

}  // namespace

namespace {

// "target = expression" for a numeric target.
class NumericAssignment final : public StatementCache::Plan {
 public:
  static std::unique_ptr<NumericAssignment> make(std::string_view text) {
    if (text.find('"') != std::string_view::npos) return nullptr;
    std::string s;
    for (char c : text)
      if (!is_blank_or_tab(c)) s += c;
    const std::size_t eq = s.find('=');
    if (eq == std::string::npos) return nullptr;
    auto plan = std::make_unique<NumericAssignment>();
    plan->target_ = CompiledReference::compile(std::string_view(s).substr(0, eq));
    plan->value_ = CompiledNumber::compile(std::string_view(s).substr(eq + 1));
    if (!plan->target_ || !plan->value_) return nullptr;
    return plan;
  }

  // A target typed string (the type letters may change) goes the text path.
  void check_type(Interpreter& in) const {
    if (target_->type(in.variables().letters) == VarType::String) throw NotExact{};
  }
  double value(Interpreter& in) { return value_->evaluate(in); }
  CompiledReference& target() { return *target_; }

  void run(Exec& ex) override {
    check_type(ex.in);
    target_->write_number(ex.in, value_->evaluate(ex.in));
  }

 private:
  std::unique_ptr<CompiledReference> target_;
  std::unique_ptr<CompiledNumber> value_;
};

constexpr uint16_t kChr = function_code("CHR$");
static_assert(kChr != 0);

// "s$ = s$ + CHR$(number)" for a plain string variable. The text path expands
// the call to a quoted one-byte value text and appends the literal's escaped
// byte to the stored value in place (assignment.cpp); this appends the same
// escaped byte without the texts. Bytes from 0x80 up go the text path.
class StringAppendPlan final : public StatementCache::Plan {
 public:
  static std::unique_ptr<StringAppendPlan> make(std::string_view text) {
    if (text.find('"') != std::string_view::npos) return nullptr;
    const std::string s = strip_blanks(text);
    const std::size_t eq = s.find('=');
    if (eq == std::string::npos || eq < 2 || s[eq - 1] != '$') return nullptr;
    const std::string_view target = std::string_view(s).substr(0, eq);
    if (!is_name_start(target[0]) || target.size() > kMaxName) return nullptr;
    for (char c : target.substr(0, target.size() - 1))
      if (!(is_letter(c) || is_digit(c) || c == '_')) return nullptr;
    const std::string_view value = std::string_view(s).substr(eq + 1);
    const std::size_t call = target.size() + 1;  // after "s$+"
    if (value.size() < call + kFunctionTokenSize + 2 || value.substr(0, target.size()) != target ||
        value[target.size()] != '+' || value[call] != kTokenMark || value[call + 1] != 'f' || value.back() != ')' ||
        static_cast<uint16_t>(static_cast<uint8_t>(value[call + 2]) << 8 | static_cast<uint8_t>(value[call + 3])) != kChr ||
        value[call + kFunctionTokenSize] != '(')
      return nullptr;
    const std::string_view inner = value.substr(call + kFunctionTokenSize + 1);
    int depth = 1;  // the ')' closing the call must be the last byte
    for (std::size_t i = 0; i + 1 < inner.size(); i += unit_length(inner, i)) {
      if (inner[i] == '(') ++depth;
      else if (inner[i] == ')' && --depth == 0) return nullptr;
    }
    auto plan = std::make_unique<StringAppendPlan>();
    plan->target_ = target;
    plan->code_ = CompiledNumber::compile(inner.substr(0, inner.size() - 1));
    return plan->code_ ? std::move(plan) : nullptr;
  }

  void run(Exec& ex) override {
    const auto byte = static_cast<unsigned char>(int64_t{integer_view(code_->evaluate(ex.in))} & 0xFF);
    if (byte >= 0x80) throw NotExact{};
    encode_byte(byte, ex.in.variables().strings.scalar_for_write(target_, handle_));
  }

 private:
  std::string target_;
  NameHandle handle_;
  std::unique_ptr<CompiledNumber> code_;
};

std::unique_ptr<StatementCache::Plan> assignment_plan(std::string_view text) {
  if (auto numeric = NumericAssignment::make(text)) return numeric;
  return StringAppendPlan::make(text);
}

// Calls in a loop head are left to the text unless they stand in the limit or
// increment (which the plan evaluates at every step, as the text expands them)
// and hold no blank or tab (so the search for "to" and "step" cannot find a
// word inside one).
bool loop_head_calls_plannable(const LoopHead& head) {
  if (has_function_token(head.assignment)) return false;
  for (std::string_view part : {head.limit, head.increment}) {
    for (std::size_t at = part.find(kTokenMark); at != std::string_view::npos; at = part.find(kTokenMark, at + 1)) {
      if (at + 1 >= part.size() || part[at + 1] != 'f') continue;
      int depth = 0;
      for (std::size_t i = at + kFunctionTokenSize; i < part.size(); i += unit_length(part, i)) {
        if (is_blank_or_tab(part[i])) return false;
        if (part[i] == '(') ++depth;
        else if (part[i] == ')' && --depth <= 0) break;
      }
    }
  }
  return true;
}

// Every call in the statement is one a plan may make itself.
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

// The counted loop head (loop_statements.cpp), for a scalar loop variable.
class LoopHeadPlan final : public StatementCache::Plan {
 public:
  static std::unique_ptr<LoopHeadPlan> make(const ProgramText& text, std::string_view args) {
    LoopHead head;
    try {
      head = parse_loop_head(text, args);
    } catch (const ProgramError&) {
      return nullptr;
    }
    if (!loop_head_calls_plannable(head)) return nullptr;
    const std::size_t eq = head.assignment.find('=');
    if (eq == std::string_view::npos) return nullptr;
    std::string variable;
    for (char c : head.assignment.substr(0, eq))
      if (!is_blank_or_tab(c)) variable += c;
    auto plan = std::make_unique<LoopHeadPlan>();
    plan->exit_ = head.exit_target;
    plan->limit_ = CompiledNumber::compile(head.limit);
    plan->increment_ = CompiledNumber::compile(head.increment);
    plan->variable_ = CompiledReference::compile(variable);
    plan->start_ = NumericAssignment::make(head.assignment);
    if (!plan->limit_ || !plan->increment_ || !plan->variable_ || !plan->start_) return nullptr;
    // An element as loop variable is read back through value text: left to the text.
    if (plan->variable_->has_indexes() || plan->start_->target().name() != plan->variable_->name()) return nullptr;
    // Number limits and increments (the usual case) are read once.
    if (plan->limit_->is_constant() && plan->increment_->is_constant()) {
      try {
        plan->printed_limit_ = value_text_round(plan->limit_->constant());
        plan->increment_value_ = plan->increment_->constant();
        plan->constant_ = true;
      } catch (const NotExact&) {
      }
    }
    return plan;
  }

  void run(Exec& ex) override {
    Interpreter& in = ex.in;
    ThreadSlot& s = ex.thread();
    double increment = increment_value_, printed_limit = printed_limit_;
    if (!constant_) {
      const double limit = limit_->evaluate(in);
      increment = increment_->evaluate(in);
      // The test compares with the limit as printed with 14 significant digits.
      printed_limit = value_text_round(limit);
    }
    start_->check_type(in);
    const double value = s.loop_continue ? variable_->read_number(in) + increment : start_->value(in);
    const double now = variable_->write_number(in, value);  // what a read would find
    const bool finished = increment >= 0 ? now > printed_limit : now < printed_limit;
    s.loop_continue = false;
    if (finished) s.pc = exit_;
  }

 private:
  int32_t exit_ = 0;
  bool constant_ = false;  // limit and increment are numbers: the two below hold them
  double printed_limit_ = 0, increment_value_ = 0;
  std::unique_ptr<CompiledNumber> limit_, increment_;
  std::unique_ptr<CompiledReference> variable_;
  std::unique_ptr<NumericAssignment> start_;
};

class LoopEndPlan final : public StatementCache::Plan {
 public:
  explicit LoopEndPlan(int32_t target) : target_(target) {}
  void run(Exec& ex) override {
    ex.thread().pc = target_;
    ex.thread().loop_continue = true;
  }

 private:
  int32_t target_;
};

class PlainJumpPlan final : public StatementCache::Plan {
 public:
  explicit PlainJumpPlan(int32_t target) : target_(target) {}
  void run(Exec& ex) override { ex.thread().pc = target_; }

 private:
  int32_t target_;
};

// Jump and call: the target and the statement start it implies, found once.
class JumpPlan final : public StatementCache::Plan {
 public:
  JumpPlan(const ProgramText& text, int32_t target, bool call)
      : target_(target), start_(separator_before(text, target)), call_(call) {}
  void run(Exec& ex) override {
    ThreadSlot& s = ex.thread();
    if (call_) {
      if (s.call_depth < 0 || s.call_depth >= kReturnStackSize - 1) throw NotExact{};  // the text raises the error
      s.push_return({s.pc, s.skip_mode});
    }
    s.pc = target_;
    s.skip_mode = false;
    s.statement_start = start_;
  }

 private:
  int32_t target_;
  int32_t start_;
  bool call_;
};

// The return of jump_statements.cpp; without a pending call the text raises the error.
class ReturnPlan final : public StatementCache::Plan {
 public:
  void run(Exec& ex) override {
    ThreadSlot& s = ex.thread();
    if (s.call_depth <= 0) throw NotExact{};
    --s.call_depth;
    const ReturnEntry& entry = s.returns[static_cast<std::size_t>(s.call_depth)];
    s.pc = entry.pc;
    s.skip_mode = entry.skip_mode;
  }
};

// The conditional: its compiled condition, and for each outcome where the
// thread went on from the same statement start and counter.
class ConditionalPlan final : public StatementCache::Plan {
 public:
  static std::unique_ptr<ConditionalPlan> make(std::string_view condition) {
    auto plan = std::make_unique<ConditionalPlan>();
    plan->condition_ = CompiledCondition::compile(condition);
    return plan->condition_ ? std::move(plan) : nullptr;
  }

  void run(Exec& ex) override {
    const bool holds = condition_->evaluate(ex.in) != 0;
    ThreadSlot& s = ex.thread();
    Branch& b = branches_[holds ? 1 : 0];
    if (b.known && b.statement_start == s.statement_start && b.pc_before == s.pc && b.skip_before == s.skip_mode) {
      s.pc = b.pc_after;
      s.skip_mode = b.skip_after;
      return;
    }
    const Branch seen{true, s.statement_start, s.pc, s.skip_mode, 0, false};
    take_conditional_branch(ex.in, ex.slot, holds);
    b = seen;
    b.pc_after = s.pc;
    b.skip_after = s.skip_mode;
  }

 private:
  struct Branch {
    bool known = false;
    int32_t statement_start = 0;
    int32_t pc_before = 0;
    bool skip_before = false;
    int32_t pc_after = 0;
    bool skip_after = false;
  };
  std::unique_ptr<CompiledCondition> condition_;
  Branch branches_[2];
};

std::unique_ptr<StatementCache::Plan> make_plan(const Interpreter& in, std::string_view statement) {
  if (statement.empty()) return nullptr;
  const bool calls = has_function_token(statement);
  if (calls && !only_plannable_calls(statement)) return nullptr;
  const auto first = static_cast<uint8_t>(statement[0]);
  if (first == '}' || first == '*') return nullptr;
  if (first != 0x10 && first != 0x11) return assignment_plan(statement);
  if (statement.size() < 2) return nullptr;
  const auto code = static_cast<uint16_t>(first << 8 | static_cast<uint8_t>(statement[1]));
  const StatementInfo* row = find_statement(code);
  if (!row || !row->handler) return nullptr;
  const std::string_view args = argument_text(code == kConditional ? cut_at_then(statement) : statement);
  try {
    if (calls && code != kLet && code != kLoopHead) return nullptr;
    switch (code) {
      case kLet: return assignment_plan(args);
      case kLoopHead: return LoopHeadPlan::make(in.text(), args);
      case kLoopEnd: return std::make_unique<LoopEndPlan>(read_target(in.text(), args));
      case kPlainJump: return std::make_unique<PlainJumpPlan>(read_target(in.text(), args));
      case kJump: return std::make_unique<JumpPlan>(in.text(), read_target(in.text(), args), false);
      case kCall: return std::make_unique<JumpPlan>(in.text(), read_target(in.text(), args), true);
      case kReturn: return std::make_unique<ReturnPlan>();
      case kConditional: return ConditionalPlan::make(args);
      default: return nullptr;
    }
  } catch (const ProgramError&) {
    return nullptr;  // the text path raises it when the statement runs
  }
}

}  // namespace

StatementCache::StatementCache() = default;
StatementCache::~StatementCache() = default;

StatementCache::Entry* StatementCache::entry(int32_t pos, std::size_t text_length) {
  if (pos < 0 || static_cast<std::size_t>(pos) >= text_length) return nullptr;
  if (entries_.size() < text_length) entries_.resize(text_length);
  auto& e = entries_[static_cast<std::size_t>(pos)];
  if (!e) e = std::make_unique<Entry>();
  return e.get();
}

std::optional<bool> StatementCache::run(Exec& ex, std::string_view statement, int32_t pos) {
  Entry* e = nullptr;
  if (pos >= 0 && static_cast<std::size_t>(pos) < entries_.size()) e = entries_[static_cast<std::size_t>(pos)].get();
  if (!e) e = entry(pos, static_cast<std::size_t>(ex.in.text().length()));
  if (!e) return std::nullopt;
  const std::unique_ptr<Plan>* made = e->made_for(statement.size());
  if (!made) {
    std::unique_ptr<Plan>* slot = nullptr;
    if (!e->planned) {
      slot = &e->plan;
      e->plan_length = statement.size();
      e->planned = true;
    } else if (e->other_lengths.size() + 1 < Entry::kMostLengths) {
      slot = &e->other_lengths.emplace_back(Entry::Made{statement.size(), nullptr}).plan;
    } else {
      return std::nullopt;
    }
    try {
      *slot = make_plan(ex.in, statement);
    } catch (const ProgramError&) {
      *slot = nullptr;  // what the text refuses, the text path reports
    }
    made = slot;
  }
  if (!*made) return std::nullopt;
  try {
    (*made)->run(ex);
    return true;
  } catch (const NotExact&) {
  } catch (const ProgramError&) {
  }
  return std::nullopt;
}

std::optional<std::string_view> StatementCache::else_check(Interpreter& in, int t, std::string_view statement,
                                                           int32_t pos, std::string& storage) {
  Entry* e = nullptr;
  if (pos >= 0 && static_cast<std::size_t>(pos) < entries_.size()) e = entries_[static_cast<std::size_t>(pos)].get();
  if (!e) e = entry(pos, static_cast<std::size_t>(in.text().length()));
  ThreadSlot& s = in.slot(t);
  if (e && e->else_known && e->else_length == statement.size() && e->else_pc_before == s.pc) {
    s.pc = e->else_pc_after;
    if (e->else_kept < 0) return std::nullopt;
    return statement.substr(0, static_cast<std::size_t>(e->else_kept));
  }
  const int32_t pc_before = s.pc;
  std::optional<std::string> kept = tess::else_check(in, t, statement);
  if (kept && statement.substr(0, kept->size()) != *kept) {  // not a prefix: not remembered
    storage = std::move(*kept);
    return std::string_view(storage);
  }
  if (e) {
    e->else_known = true;
    e->else_length = statement.size();
    e->else_pc_before = pc_before;
    e->else_pc_after = s.pc;
    e->else_kept = kept ? static_cast<int64_t>(kept->size()) : -1;
  }
  if (!kept) return std::nullopt;
  return statement.substr(0, kept->size());
}

}  // namespace tess
