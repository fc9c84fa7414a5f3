// An interpreter without a program for testing the evaluators and the store.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "headless/headless_handlers.h"
#include "headless/headless_host.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "session/session.h"

namespace tess::testing {

class ValuesTest : public ::testing::Test {
 protected:
  ValuesTest() : host_(quiet()), in(host_, ProgramText(), session_link(session_, headless_handlers())) {
    host_.attach(in);
    in.reset();
  }

  double num(std::string_view e) { return eval_number(in, e); }
  double cond(std::string_view e) { return eval_condition(in, e); }
  std::string str(std::string_view e) { return eval_string(in, e); }
  void let(std::string_view text) { assign(in, text); }

  // The detail of the runtime error that f raises, or "no error".
  template <class F>
  std::string error_of(F f) {
    try {
      f();
    } catch (const ProgramError& e) {
      return e.detail.empty() ? "error" : e.detail;
    }
    return "no error";
  }
  bool fails(std::string_view e) { return error_of([&] { num(e); }) != "no error"; }

 private:
  static HeadlessHost::Options quiet() {
    HeadlessHost::Options o;
    o.out = nullptr;
    o.err = nullptr;
    return o;
  }
  Session session_;
  HeadlessHost host_;

 protected:
  Interpreter in;
};

}  // namespace tess::testing
