// The system statements and functions that work headless: environment, seed,
// date, time and command line; and the refusals of those that need a device.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "builtin_calls.h"
#include "headless/headless_handlers.h"
#include "headless/headless_host.h"
#include "interp/interpreter.h"
#include "program_runner.h"
#include "session/session.h"
#include "system/clock_text.h"
#include "system/shell_request.h"
#include "system/system_builtins.h"
#include "tools/tokenizer/tokenizer.h"

namespace {

// Text against a shape where 'd' stands for any digit and every other byte for itself.
bool matches_shape(const std::string& text, std::string_view shape) {
  if (text.size() != shape.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (shape[i] == 'd' ? !digit : text[i] != shape[i]) return false;
  }
  return true;
}


using namespace tess;
using SystemFunctions = tess::testing::BuiltinCalls;

tess::testing::RunResult run_source(std::string_view source) {
  const auto text = tok::tokenize(source);
  return tess::testing::run_text(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

TEST(ClockText, TwoDigitFields) {
  EXPECT_EQ(date_text(2001, 3, 5), "2001/03/05");
  EXPECT_EQ(date_text(1999, 12, 31), "1999/12/31");
  EXPECT_EQ(time_text(9, 5, 3), "09:05:03");
  EXPECT_EQ(time_text(23, 59, 10), "23:59:10");
}

TEST_F(SystemFunctions, DateAndTimeHaveTheirShapes) {
  EXPECT_TRUE(matches_shape(call(fn_date, ""), "\"dddd/dd/dd\"")) << call(fn_date, "");
  EXPECT_TRUE(matches_shape(call(fn_time, ""), "\"dd:dd:dd\"")) << call(fn_time, "");
}

TEST_F(SystemFunctions, EnvironmentValuesComeBackEncoded) {
  ::setenv("TESS_SYSTEM_TEST", "a\"b", 1);
  EXPECT_EQ(call(fn_environ, "\"TESS_SYSTEM_TEST\""), "\"a\x01" "Db\"");
  ::unsetenv("TESS_SYSTEM_TEST");
  EXPECT_EQ(call(fn_environ, "\"TESS_SYSTEM_TEST\""), "\"\"");
  EXPECT_THROW(call(fn_environ, "\"A\",\"B\""), ProgramError);
  ::setenv("TESS_SYSTEM_LONG", std::string(9000, 'x').c_str(), 1);
  EXPECT_EQ(call(fn_environ, "\"TESS_SYSTEM_LONG\"").size(), 8189u + 2);  // cut to the result buffer
  ::unsetenv("TESS_SYSTEM_LONG");
}

TEST(SystemStatements, EnvironmentSetAndRead) {
  auto r = run_source("SETENV \"TESS_SET\", \"one\" + \"two\"\nPRINT ENVIRON$(\"TESS_SET\")\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "onetwo\n");
  EXPECT_STREQ(std::getenv("TESS_SET"), "onetwo");
  ::unsetenv("TESS_SET");
  r = run_source("SETENV \"\", \"x\"\n");  // no name: the assignment fails
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("99"), std::string::npos) << r.err;
}

TEST(SystemStatements, SameSeedSameNumbers) {
  auto r = run_source("RANDOMIZE 7\nA=RND(1)\nB=RND(1)\nRANDOMIZE 7.9\nPRINT A=RND(1); B=RND(1)\nRANDOMIZE\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "-1 -1\n");
  r = run_source("RANDOMIZE -1\n");
  EXPECT_EQ(r.status, 1);
}

TEST(SystemStatements, CommandLineValueIsQuotedEncodedText) {
  HeadlessHost::Options options = tess::testing::quiet_host();
  options.command_line = "-x \"file\"";
  HeadlessHost host(options);
  Session session;
  Interpreter in(host, ProgramText(""), session_link(session, headless_handlers()));
  host.attach(in);
  EXPECT_EQ(fn_command(in, ""), "\"-x \x01" "Dfile\x01" "D\"");
}

TEST(SystemStatements, DeviceStatementsNeedTheirDevicesHeadless) {
  const std::pair<const char*, const char*> cases[] = {
      {"SHELL \"x.exe\"\n", "needs the Windows shell"},
      {"CLIPBOARD \"x\"\n", "needs the Windows clipboard"},
      {"PRINT CLIPBOARD$\n", "needs the Windows clipboard"},
      {"PRINTER \"PDF\"\n", "needs a printer"},
      {"LPRINT \"x\"\n", "needs a printer"},
      {"PLAY \"CDE\"\n", "needs a sound device"},
      {"MCI \"close all\"\n", "needs a sound device"},
      {"PRINT HWND\n", "needs a display"},
  };
  for (const auto& [source, detail] : cases) {
    auto r = run_source(source);
    EXPECT_EQ(r.status, 1) << source;
    EXPECT_NE(r.err.find(detail), std::string::npos) << source << r.err;
  }
  EXPECT_EQ(run_source("PLAY ALLOC\nPRINT 1\n").out, " 1\n");
}

TEST_F(SystemFunctions, ShellFileAndParameters) {
  const std::string dir = in_.session().files.current_directory();
  ShellRequest r = shell_request(in_, "\"x.exe\",\"-a \"+\"b\"");
  EXPECT_EQ(r.file, dir + "\\x.exe");
  EXPECT_EQ(r.parameters, "-a b");
  r = shell_request(in_, "\"C:\\doc.txt\"");
  EXPECT_EQ(r.file, "C:\\doc.txt");
  EXPECT_EQ(r.parameters, "");
}

}  // namespace
