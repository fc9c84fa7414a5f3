// The numeric built-ins and the random numbers.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>

#include "builtin_calls.h"
#include "builtins/numeric_builtins.h"
#include "builtins/random_generator.h"
#include "interp/function_codes.h"
#include "interp/statement_codes.h"
#include "program_runner.h"

namespace {

using namespace tess;
using NumericBuiltins = tess::testing::BuiltinCalls;

TEST_F(NumericBuiltins, RoundingAndTruncation) {
  expect_results({
      {fn_cint, "2.5", "3"},
      {fn_cint, "-2.5", "-2"},
      {fn_cint, "-2.6", "-3"},
      {fn_cint, "0.49", "0"},
      {fn_fix, "-2.7", "-2"},
      {fn_fix, "2.7", "2"},
      {fn_int, "-2.7", "-3"},
      {fn_int, "2.7", "2"},
      // Through 64 bits, the low 32 kept.
      {fn_int, "3e9", "-1294967296"},
      {fn_fix, "4294967297.5", "1"},
  });
}

TEST_F(NumericBuiltins, ResultForms) {
  expect_results({
      {fn_csng, "1/3", "0.333333"},
      {fn_cdbl, "1/3", "0.33333333333333"},
      {fn_csng, "1234567", "1.23457e+06"},
      {fn_abs, "-3", "3"},
      {fn_abs, "-0.5", "0.5"},
      {fn_sgn, "5", "1"},
      {fn_sgn, "0", "0"},
      {fn_sgn, "-0.1", "-1"},
  });
}

TEST_F(NumericBuiltins, Transcendentals) {
  expect_results({
      {fn_exp, "0", "1"},
      {fn_sin, "0", "0"},
      {fn_cos, "0", "1"},
      {fn_tan, "0", "0"},
      {fn_atn, "1", "0.78539816339745"},
      {fn_log, "1", "0"},
      {fn_sqr, "16", "4"},
      {fn_sqr, "0", "0"},
  });
  expect_errors(fn_log, {"0", "-1"});
  expect_errors(fn_sqr, {"-1"});
}

TEST_F(NumericBuiltins, WordPacking) {
  expect_results({
      {fn_makelong, "1,2", "131073"},
      {fn_makelong, "0,65535", "-65536"},
      {fn_makelong, "(1),(1+1)", "131073"},
      {fn_makelong, "65537,0", "1"},
      {fn_hiword, "-1", "65535"},
      {fn_hiword, "131073", "2"},
      {fn_loword, "65636", "100"},
      {fn_loword, "-1", "65535"},
  });
  expect_errors(fn_makelong, {"1", "(1,2)", ""});
}

TEST(RandomGenerator, LinearCongruentialDraws) {
  RandomGenerator g;
  // The generator from state 1.
  for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(g.draw(), expected);
}

TEST(RandomGenerator, ValuesAreSinglePrecision) {
  EXPECT_EQ(std::bit_cast<uint32_t>(0.00001f), 0x3727C5ACu);
  RandomGenerator g;
  const float v = g.next(1);
  EXPECT_EQ(v, static_cast<float>(41 * 18467 % 100000) * 0.00001f);
  EXPECT_NE(static_cast<double>(v), 57147 * 0.00001);  // not a double product
}

TEST(RandomGenerator, ZeroReturnsThePreviousValue) {
  RandomGenerator reference;
  const float r0 = reference.next(1), r1 = reference.next(1), r2 = reference.next(1);
  (void)r1;
  RandomGenerator g;
  EXPECT_EQ(g.next(0), 0.0f);  // nothing drawn before: the initial 0
  EXPECT_EQ(g.next(0), r0);    // drawn, not returned, by the call before
  EXPECT_EQ(g.next(5), r2);    // r1 was drawn by that second call
}

TEST(RandomGenerator, SeedRepeatsTheSequenceAndNegativeRestartsIt) {
  RandomGenerator g;
  g.seed(1234);
  const float a1 = g.next(1), a2 = g.next(1), a3 = g.next(1);
  g.seed(1234);
  EXPECT_EQ(g.next(1), a1);
  EXPECT_EQ(g.next(1), a2);
  EXPECT_EQ(g.next(-1), a1);
  EXPECT_EQ(g.next(1), a2);
  EXPECT_EQ(g.next(1), a3);
  EXPECT_EQ(g.last_seed(), 1234);
}

TEST(RandomGenerator, SeedingDrawsOneValueFromTheSeedAsState) {
  uint32_t state = 7;
  auto draw = [&] {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
  };
  const int r1 = draw();
  const int r2 = draw();
  const float seeded = static_cast<float>(r1 * r2 % 100000) * 0.00001f;
  RandomGenerator g;
  g.seed(7);
  EXPECT_EQ(g.last_number(), seeded);
  EXPECT_EQ(g.next(0), seeded);  // and draws the next pair
  draw();
  draw();
  EXPECT_EQ(g.draw(), draw());
}

std::string short_form(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(v));
  return text;
}

TEST_F(NumericBuiltins, RandomFunctionUsesTheInterpretersGenerator) {
  RandomGenerator reference;
  const float r0 = reference.next(1), r1 = reference.next(1), r2 = reference.next(1);
  EXPECT_EQ(call(fn_rnd, ""), short_form(r0));  // empty counts as 1
  EXPECT_EQ(call(fn_rnd, "2-1"), short_form(r1));
  EXPECT_EQ(call(fn_rnd, "0"), short_form(r1));
  EXPECT_EQ(call(fn_rnd, "0"), short_form(r2));

  RandomGenerator seeded;
  seeded.seed(0);
  const float after_seed = seeded.next(1);
  EXPECT_EQ(call(fn_rnd, "-3"), short_form(after_seed));  // restarts from seed 0
  EXPECT_EQ(call(fn_rnd, "-1"), short_form(after_seed));
}

TEST(NumericBuiltinCalls, ThroughCallExpansion) {
  // print 2*ABS(-3); INT(-2.7); SQR(ABS(-16)) with function tokens.
  const auto r = tess::testing::run_text(
      " " + code_bytes(Stmt::kPrint) + " 2*" + function_token(Fn::kAbs) + "(-3);" + function_token(Fn::kInt) + "(-2.7);" + function_token(Fn::kSqr) + "(" + function_token(Fn::kAbs) + "(-16))\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, " 6 -3  4\n");
}

}  // namespace
