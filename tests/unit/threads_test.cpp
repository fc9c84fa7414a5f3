// Execution threads: the thread start, slots, interleaving under the interpreter
// lock, the wait statement and the end of the program.
#include <gtest/gtest.h>

#include "flow_program.h"

using namespace tess::testing;

namespace {

bool has_error(const RunResult& r, int number) {
  return r.status == 1 && r.err.find("runtime error " + std::to_string(number)) != std::string::npos;
}

TEST(ThreadStart, ThreadRunsAlongsideTheMainThread) {
  // The main thread waits for the thread's flag, then ends the program.
  const std::string text = program(" " + THREAD + " @t@`w`\n " + IF + " F=0 THEN " + WAIT + " 1 : " + GOTO + " @w@\n " +
                                   P + " \"main\" : " + END + "`t`\n " + P + " \"thread\" : F=1\n");
  auto r = run_text(text);
  EXPECT_EQ(r.out, "thread\nmain\n") << r.err;
  EXPECT_EQ(r.status, 0);
}

TEST(ThreadStart, ProgramLivesWhileAnyThreadRuns) {
  // The main thread ends first; the thread still prints, and its end ends the run.
  const std::string text = program(" " + THREAD + " @t@ : " + END + " 2`t`\n " + WAIT + " 50 : " + P + " \"late\"\n");
  auto r = run_text(text);
  EXPECT_EQ(r.out, "late\n");
  EXPECT_EQ(r.status, 0);
}

TEST(ThreadStart, EndOneEndsEveryThread) {
  const std::string text = program(" " + THREAD + " @t@ : " + WAIT + " 20 : " + P + " \"main\" : " + END + " 1`t`\n " +
                                   WAIT + " 100000 : " + P + " \"never\"\n");
  const auto start = std::chrono::steady_clock::now();
  auto r = run_text(text);
  EXPECT_EQ(r.out, "main\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(ThreadStart, ConditionalOnTheThreadsFirstLineFindsItself) {
  // The main thread's own conditional stands earlier in the text.
  const std::string text = program(" A=0 : " + IF + " A=0 THEN " + THREAD + " @t@ : " + END + " 2`t`\n " + IF +
                                   " 0 THEN " + P + " \"a\" ELSE " + P + " \"b\"\n");
  EXPECT_EQ(run_text(text).out, "b\n");
}

TEST(ThreadStart, TakesTheLowestFreeSlot) {
  Hooks hooks;
  int first = -2, reused = -2, none = -2;
  hooks.after = [&](tess::Interpreter& in) {
    // Slots 0-9 busy except 3 and 7: the start takes 3. With every slot busy it
    // answers -1. The started threads find an empty text and end at once.
    for (int t = 0; t < tess::kThreadSlots; ++t) in.slot(t).in_use = t < 10 && t != 3 && t != 7;
    first = in.start_thread(0);
    eventually([&] { return !in.slot(3).in_use; });
    for (int t = 0; t < tess::kThreadSlots; ++t) in.slot(t).in_use = t != 7;
    reused = in.start_thread(0);
    eventually([&] { return !in.slot(7).in_use; });
    for (int t = 0; t < tess::kThreadSlots; ++t) in.slot(t).in_use = true;
    none = in.start_thread(0);
    for (int t = 0; t < tess::kThreadSlots; ++t) in.slot(t).in_use = false;
  };
  run_with("", hooks);
  EXPECT_EQ(first, 3);
  EXPECT_EQ(reused, 7);
  EXPECT_EQ(none, -1);
}

TEST(ThreadStart, ThreadsKeepTheirOwnLoopsAndCalls) {
  // Two threads run the same counted loop with a call inside; loop flags and
  // return stacks are per thread.
  const std::string text =
      program(" " + THREAD + " @a@ : " + THREAD + " @b@`w`\n " + IF + " D<2 THEN " + WAIT + " 1 : " + GOTO + " @w@\n " +
              IF + " S=200 THEN " + P + " \"ok\"\n " + END + "`a``af`\n " + FOR + " @ax@ I=1 TO 100\n " + GOSUB +
              " @s@\n " + NEXT + " @af@`ax`\n D=D+1 : " + END + " 2`b``bf`\n " + FOR + " @bx@ J=1 TO 100\n " + GOSUB +
              " @s@\n " + NEXT + " @bf@`bx`\n D=D+1 : " + END + " 2`s`\n S=S+1 : " + RETURN + "\n");
  EXPECT_EQ(run_text(text).out, "ok\n");
}

// The main thread and two threads each add 1 to N and "x" to S$ a thousand
// times; every statement runs whole under the lock, so no update is lost.
std::string counting_loop(std::string_view name, std::string_view variable) {
  const std::string n(name);
  return " " + FOR + " @" + n + "x@ " + std::string(variable) + "=1 TO 1000 : N=N+1 : S$=S$+\"x\" : " + NEXT + " @" + n +
         "@`" + n + "x`\n D=D+1\n";
}

TEST(ThreadStress, NoLostUpdate) {
  // The expected string is built first, by the main thread alone.
  const std::string text = program(" E$=\"\"`e`: " + FOR + " @ex@ I=1 TO 3000 : E$=E$+\"x\" : " + NEXT + " @e@`ex`\n " +
                                   THREAD + " @a@ : " + THREAD + " @b@`m`\n" + counting_loop("m", "I") + " D=D`m2`: " + IF +
                                   " D<3 THEN " + WAIT + " 1 : " + GOTO + " @m2@\n " + IF + " N=3000" + AND +
                                   "S$=E$ THEN " + P + " \"ok\" ELSE " + P + " \"lost\"\n " + END + "`a`\n" +
                                   counting_loop("a", "J") + " " + END + " 2`b`\n" + counting_loop("b", "K"));
  auto r = run_text(text);
  EXPECT_EQ(r.out, "ok\n") << r.err;
}

TEST(ThreadStress, WaitingThreadLetsOthersRun) {
  // The thread sleeps 200 ms; the main thread counts meanwhile.
  const std::string text = program(" " + THREAD + " @t@`w`\n C=C+1 : " + IF + " F=0 THEN " + GOTO + " @w@\n " + IF +
                                   " C>100 THEN " + P + " \"ran\" ELSE " + P + " \"blocked\"\n " + END + "`t`\n " + WAIT +
                                   " 200 : F=1\n");
  EXPECT_EQ(run_text(text).out, "ran\n");
}

// 254 threads beside the main thread, all alive at once; a 256th start fails.
std::string many_threads(bool one_too_many) {
  return program(" R=0`f`\n " + FOR + " @x@ I=1 TO 254 : " + THREAD + " @t@ : " + NEXT + " @f@`x`\n R=R`w`\n " + IF +
                 " R<254 THEN " + WAIT + " 1 : " + GOTO + " @w@\n " + P + " \"all running\"\n" +
                 (one_too_many ? " " + THREAD + " @t@\n" : std::string()) + " G=1`d`\n " + IF + " D<254 THEN " + WAIT +
                 " 1 : " + GOTO + " @d@\n " + P + " \"all ended\" : " + END + "`t`\n R=R+1`g`\n " + IF + " G=0 THEN " +
                 WAIT + " 1 : " + GOTO + " @g@\n D=D+1\n");
}

TEST(ThreadStress, AllSlotsRunAtOnce) {
  auto r = run_text(many_threads(false));
  EXPECT_EQ(r.out, "all running\nall ended\n") << r.err;
  EXPECT_EQ(r.status, 0);
}

TEST(ThreadStress, A256thThreadIsError99) {
  auto r = run_text(many_threads(true));
  EXPECT_TRUE(has_error(r, 99)) << r.err;
  EXPECT_EQ(r.out, "all running\n");
}

TEST(ThreadStress, SlotsAreReusedAfterThreadsEnd) {
  // 600 short threads in turns of at most 254 alive: freed slots are taken again.
  const std::string text = program(" D=0`f`\n " + FOR + " @x@ I=1 TO 600 : " + THREAD + " @t@`b`: " + IF + " I-D>200 THEN " +
                                   WAIT + " 1 : " + GOTO + " @b@\n " + NEXT + " @f@`x`\n D=D`w`\n " + IF + " D<600 THEN " +
                                   WAIT + " 1 : " + GOTO + " @w@\n " + P + " \"done\" : " + END + "`t`\n D=D+1\n");
  auto r = run_text(text);
  EXPECT_EQ(r.out, "done\n") << r.err;
}

}  // namespace
