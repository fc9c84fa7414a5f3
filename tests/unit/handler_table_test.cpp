// The handlers a host installs: every code of both tables reaches one, the
// headless host refuses exactly the codes that need a device, and a code left
// without a handler ends the run as not built.
#include <gtest/gtest.h>

#include <string>

#include "builtin_calls.h"
#include "headless/headless_handlers.h"
#include "headless/refusals.h"
#include "interp/expansion.h"
#include "interp/statement_codes.h"
#include "program_runner.h"
#include "session/handler_lists.h"

namespace tess::testing {
namespace {

bool needs_device(Needs needs) { return needs != Needs::kNothing && needs != Needs::kDisplayForm && needs != Needs::kSoundForm; }

template <typename Entry, std::size_t N>
bool refused(const Entry (&refusals)[N], uint16_t code) {
  for (const Entry& e : refusals)
    if (code_of(e.code) == code) return true;
  return false;
}

bool lists_core_code(uint16_t code) {
  for (const StatementHandler& h : kCoreStatements)
    if (code_of(h.code) == code) return true;
  return false;
}

std::string code_text(uint16_t code) {
  return {' ', static_cast<char>(code >> 8), static_cast<char>(code & 0xFF), '\n'};
}

TEST(Handlers, HeadlessHostRunsOrRefusesEveryStatement) {
  const HandlerTable& table = headless_handlers();
  for (const StatementInfo& row : all_statements()) {
    EXPECT_NE(table.handler(row), nullptr) << std::hex << row.code;
    EXPECT_EQ(refused(kRefusedStatements, row.code), needs_device(row.needs)) << std::hex << row.code;
  }
}

TEST(Handlers, HeadlessHostRunsOrRefusesEveryBuiltIn) {
  const HandlerTable& table = headless_handlers();
  for (const FunctionInfo& row : all_functions()) {
    if (row.code == code_of(Fn::kUserFunction)) {  // the core calls the program's own functions
      EXPECT_EQ(table.builtin(row), nullptr);
      continue;
    }
    EXPECT_NE(table.builtin(row), nullptr) << std::hex << row.code;
    EXPECT_EQ(refused(kRefusedBuiltins, row.code), needs_device(row.needs)) << std::hex << row.code;
  }
}

TEST(Handlers, RefusalsNameTheStatementAndTheMissingDevice) {
  for (const StatementHandler& h : kRefusedStatements) {
    const StatementInfo& row = *find_statement(code_of(h.code));
    const RunResult r = run_text(code_text(row.code));
    EXPECT_EQ(r.status, 1) << row.keyword;
    EXPECT_NE(r.err.find(std::string(row.refusal) + ": needs "), std::string::npos) << row.keyword << r.err;
  }
}

TEST(Handlers, EveryHostListsAHandlerForEveryCode) {
  static_assert(handles_every_code(kWin32StatementLists, kWin32BuiltinLists));
  static_assert(handles_every_code(kHeadlessStatementLists, kHeadlessBuiltinLists));
  // The check sees a gap: without the device lists or the refusals a code is missing.
  constexpr auto without_devices = join_lists(kCoreStatementList, kSharedStatementLists);
  EXPECT_FALSE(handles_every_code(without_devices, kSharedBuiltinLists));
  EXPECT_FALSE(handles_every_code(kHeadlessStatementLists, kSharedBuiltinLists));
}

TEST(Handlers, ACodeWithoutAHandlerIsNotBuilt) {
  const HandlerTable nothing_registered;
  for (const StatementInfo& row : all_statements()) {
    if (lists_core_code(row.code)) continue;
    const RunResult r = run_text(code_text(row.code), "", nothing_registered);
    EXPECT_EQ(r.status, 1) << row.keyword;
    EXPECT_NE(r.err.find(std::string(row.role) + ": not built yet"), std::string::npos) << row.keyword << r.err;
  }
}

TEST(Handlers, ABuiltInWithoutAHandlerIsNotBuilt) {
  const HandlerTable nothing_registered;
  Session session;
  HeadlessHost host(quiet_host());
  Interpreter in(host, ProgramText(""), session_link(session, nothing_registered));
  host.attach(in);
  for (const FunctionInfo& row : all_functions()) {
    if (row.code == code_of(Fn::kUserFunction)) continue;
    try {
      call_builtin(in, row.code, "1");
      ADD_FAILURE() << row.keyword << " ran";
    } catch (const ProgramError& e) {
      EXPECT_EQ(e.detail, std::string(row.role) + ": not built yet");
    }
  }
}

}  // namespace
}  // namespace tess::testing
