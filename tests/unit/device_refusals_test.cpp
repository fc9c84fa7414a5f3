// The headless host refuses every code whose row needs a device it lacks, each
// with the name its row gives, and runs every form that needs none.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "interp/function_codes.h"
#include "interp/functions.h"
#include "interp/statement_codes.h"
#include "interp/statements.h"
#include "tests/unit/program_runner.h"

namespace tess::testing {
namespace {

// The detail of the run's runtime error, without where it stood.
std::string detail(const RunResult& r) {
  const std::size_t at = r.err.find("illegal statement or value: ");
  if (at == std::string::npos) return r.err;
  const std::size_t from = at + std::string_view("illegal statement or value: ").size();
  return r.err.substr(from, std::min(r.err.find(" (position", from), r.err.find('\n', from)) - from);
}

std::string run_statement(const std::string& statement) { return detail(run_text(" " + statement + "\n")); }

TEST(DeviceRefusals, EveryRowThatNeedsADeviceNamesItsRefusal) {
  for (const StatementInfo& row : all_statements())
    EXPECT_EQ(row.needs == Needs::kNothing, row.refusal.empty()) << row.keyword;
  for (const FunctionInfo& row : all_functions())
    EXPECT_EQ(row.needs == Needs::kNothing, row.refusal.empty()) << row.keyword;
}

TEST(DeviceRefusals, MessagesAsTheyHaveAlwaysRead) {
  EXPECT_EQ(run_statement(code_bytes(Stmt::kPset) + " (1,1)"), "point: needs a display");
  EXPECT_EQ(run_statement(code_bytes(Stmt::kPopupMenu) + " 1"), "create pop-up menu: needs a display");
  EXPECT_EQ(run_statement(code_bytes(Stmt::kLine) + " (0,0)-(1,1)"), "line: needs a display");
  EXPECT_EQ(run_statement(code_bytes(Stmt::kPut) + " @(0,0),p"), "put image: needs a display");
  EXPECT_EQ(run_statement(code_bytes(Stmt::kShell) + " \"x\""), "shell open: needs the Windows shell");
  EXPECT_EQ(run_statement(code_bytes(Stmt::kPlay) + " \"c\""), "music: needs a sound device");
  EXPECT_EQ(run_statement(code_bytes(Stmt::kPrint) + " " + function_token(Fn::kMenuStr) + "(1,1)"),
            "MenuStr$: needs a display");
  EXPECT_EQ(run_statement(code_bytes(Stmt::kPrint) + " " + function_token(Fn::kHwnd)),
            "console window handle: needs a display");
}

// Whole statements refuse before they read an argument.
TEST(DeviceRefusals, EveryStatementThatNeedsADeviceRefusesWithItsName) {
  int refused = 0;
  for (const StatementInfo& row : all_statements()) {
    if (row.needs == Needs::kNothing || row.needs == Needs::kDisplayForm || row.needs == Needs::kSoundForm) continue;
    const std::string got = run_statement(code_bytes(static_cast<Stmt>(row.code)) + " 1");
    EXPECT_EQ(got.substr(0, row.refusal.size() + 8), std::string(row.refusal) + ": needs ") << row.keyword;
    ++refused;
  }
  EXPECT_EQ(refused, 32);
}

TEST(DeviceRefusals, EveryFunctionThatNeedsADeviceRefusesWithItsName) {
  int refused = 0;
  for (const FunctionInfo& row : all_functions()) {
    if (row.needs == Needs::kNothing) continue;
    const std::string got = run_statement(code_bytes(Stmt::kPrint) + " " + function_token(static_cast<Fn>(row.code)) + "(1)");
    EXPECT_EQ(got.substr(0, row.refusal.size() + 8), std::string(row.refusal) + ": needs ") << row.keyword;
    ++refused;
  }
  EXPECT_EQ(refused, 8);
}

// Of the shared codes only the drawing and image forms need a display; of the
// music statement only playing needs a sound device.
TEST(DeviceRefusals, FormsWithoutADeviceRunHeadless) {
  const RunResult r = run_text(" " + code_bytes(Stmt::kLine) + " input s$\n " + code_bytes(Stmt::kPlay) + " alloc\n " +
                               code_bytes(Stmt::kPrint) + " s$\n", "typed\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("typed"), std::string::npos) << r.out;
  EXPECT_EQ(run_statement(code_bytes(Stmt::kGet) + " #1,1").find("needs"), std::string::npos);
}

}  // namespace
}  // namespace tess::testing
