// Calling built-ins directly on a fresh interpreter (headless, no program).
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "headless/headless_handlers.h"
#include "headless/headless_host.h"
#include "interp/error.h"
#include "interp/interpreter.h"
#include "session/session.h"

namespace tess::testing {

inline HeadlessHost::Options quiet_host() {
  HeadlessHost::Options options;
  options.out = nullptr;
  options.err = nullptr;
  return options;
}

class BuiltinCalls : public ::testing::Test {
 protected:
  using Builtin = std::string (*)(Interpreter&, std::string_view);

  struct Call {
    Builtin function;
    std::string args;
    std::string expected;
  };

  BuiltinCalls() {
    host_.attach(in_);
    in_.reset();
  }

  std::string call(Builtin function, std::string_view args) { return function(in_, args); }

  void expect_results(const std::vector<Call>& calls) {
    for (const auto& c : calls) EXPECT_EQ(call(c.function, c.args), c.expected) << "arguments " << c.args;
  }

  void expect_errors(Builtin function, const std::vector<std::string>& args) {
    for (const auto& a : args) EXPECT_THROW(call(function, a), ProgramError) << "arguments " << a;
  }

  Session session_;
  HeadlessHost host_{quiet_host()};
  Interpreter in_{host_, ProgramText(""), session_link(session_, headless_handlers())};
};

}  // namespace tess::testing
