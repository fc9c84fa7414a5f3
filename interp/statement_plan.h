// A statement's plan: its pre-analysed form, made once per position from the
// program text (which never changes) and kept by the statement cache. Each plan
// sits beside the handler whose meaning it mirrors and shares that handler's
// parsing; it answers exactly as the handler would, or hands the statement
// back to the handler (see compiled_expression.h).
#pragma once
#include <cstdint>
#include <memory>
#include <string_view>

#include "interp/program_text.h"

namespace tess {

struct Exec;

// run() throws NotExact or ProgramError only before it has changed anything,
// so the handler can run the statement again from its text.
class StatementPlan {
 public:
  virtual ~StatementPlan() = default;
  virtual void run(Exec& ex) = 0;
};

// The plan for one statement of the program text (code, blank, arguments, or an
// assignment without a code), or null when it has none and runs from its text.
std::unique_ptr<StatementPlan> make_plan(const ProgramText& text, std::string_view statement);

// The plan makers, from a statement's argument text; null: no plan. They may
// raise what the handler would raise; the statement then has no plan.
using PlanMaker = std::unique_ptr<StatementPlan> (*)(const ProgramText& text, std::string_view args);

// assignment_plans.cpp: the assignment (with or without its code).
std::unique_ptr<StatementPlan> assignment_plan(const ProgramText& text, std::string_view args);
// Every function call in the statement is one a plan may make itself.
bool only_plannable_calls(std::string_view statement);

// loop_plans.cpp: the counted loop's head and end.
std::unique_ptr<StatementPlan> loop_head_plan(const ProgramText& text, std::string_view args);
std::unique_ptr<StatementPlan> loop_end_plan(const ProgramText& text, std::string_view args);

// jump_plans.cpp: jumps, the call and the return.
std::unique_ptr<StatementPlan> jump_plan(const ProgramText& text, std::string_view args);
std::unique_ptr<StatementPlan> plain_jump_plan(const ProgramText& text, std::string_view args);
std::unique_ptr<StatementPlan> call_plan(const ProgramText& text, std::string_view args);
std::unique_ptr<StatementPlan> return_plan(const ProgramText& text, std::string_view args);

// conditional_plan.cpp: the conditional's test and branch.
std::unique_ptr<StatementPlan> conditional_plan(const ProgramText& text, std::string_view args);

}  // namespace tess
