#include "interp/statement_cache.h"

#include "interp/compiled_expression.h"
#include "interp/control_flow.h"
#include "interp/error.h"
#include "interp/interpreter.h"
#include "interp/statement_codes.h"
#include "interp/statements.h"

namespace tess {
namespace {

// The statements that have plans, and whether a plan may be made when the
// arguments hold function calls (only calls a plan makes itself). They are the
// core's own: every interpreter installs their handlers.
struct Planned {
  Stmt code;
  PlanMaker make;
  bool with_calls;
};
constexpr Planned kPlanned[] = {
    {Stmt::kLet, assignment_plan, true},    {Stmt::kFor, loop_head_plan, true},
    {Stmt::kNext, loop_end_plan, false},    {Stmt::kWend, plain_jump_plan, false},
    {Stmt::kGoto, jump_plan, false},        {Stmt::kGosub, call_plan, false},
    {Stmt::kReturn, return_plan, false},    {Stmt::kIf, conditional_plan, false},
};

std::unique_ptr<StatementPlan> plan_with_code(const ProgramText& text, std::string_view statement, bool calls) {
  if (statement.size() < 2) return nullptr;
  const Stmt code = code_of_bytes(statement[0], statement[1]);
  const StatementInfo* row = find_statement(code_of(code));
  if (!row) return nullptr;
  for (const Planned& p : kPlanned) {
    if (p.code != code) continue;
    if (calls && !p.with_calls) return nullptr;
    return p.make(text, argument_text(code == Stmt::kIf ? cut_at_then(statement) : statement));
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<StatementPlan> make_plan(const ProgramText& text, std::string_view statement) {
  if (statement.empty()) return nullptr;
  const bool calls = has_function_token(statement);
  if (calls && !only_plannable_calls(statement)) return nullptr;
  const auto first = static_cast<uint8_t>(statement[0]);
  if (first == '}' || first == '*') return nullptr;
  try {
    if (!is_code_first_byte(first)) return assignment_plan(text, statement);
    return plan_with_code(text, statement, calls);
  } catch (const ProgramError&) {
    return nullptr;  // the handler raises it when the statement runs
  } catch (const NotExact&) {
    return nullptr;
  }
}

StatementCache::StatementCache() = default;
StatementCache::~StatementCache() = default;

StatementCache::Entry* StatementCache::entry(int32_t pos, std::size_t text_length) {
  if (pos < 0 || static_cast<std::size_t>(pos) >= text_length) return nullptr;
  if (entries_.size() < text_length) entries_.resize(text_length);
  auto& e = entries_[static_cast<std::size_t>(pos)];
  if (!e) e = std::make_unique<Entry>();
  return e.get();
}

StatementPlan* StatementCache::Entry::plan(const ProgramText& text, std::string_view statement) {
  for (const Made& m : made_)
    if (m.length == statement.size()) return m.plan.get();
  if (made_.size() >= kMostLengths) return nullptr;
  return made_.emplace_back(Made{statement.size(), make_plan(text, statement)}).plan.get();
}

std::optional<std::size_t> StatementCache::Entry::else_check(Interpreter& in, int t, std::string_view statement) {
  ThreadSlot& s = in.slot(t);
  if (else_known_ && else_length_ == statement.size() && else_pc_before_ == s.pc) {
    s.pc = else_pc_after_;
    if (else_kept_ < 0) return std::nullopt;
    return static_cast<std::size_t>(else_kept_);
  }
  const int32_t pc_before = s.pc;
  const std::optional<std::size_t> kept = tess::else_check(in, t, statement);
  else_known_ = true;
  else_length_ = statement.size();
  else_pc_before_ = pc_before;
  else_pc_after_ = s.pc;
  else_kept_ = kept ? static_cast<int64_t>(*kept) : -1;
  return kept;
}

}  // namespace tess
