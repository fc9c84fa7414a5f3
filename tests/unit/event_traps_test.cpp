// The function-key and mouse traps: states, handler texts, remembered events,
// and the pending statement that only thread 0 runs.
#include <gtest/gtest.h>

#include <atomic>

#include "interp/statement_codes.h"
#include "flow_program.h"
#include "interp/event_traps.h"

using tess::Stmt;
using namespace tess::testing;
using tess::EventTraps;
using tess::TrapWord;

namespace {

bool has_error(const RunResult& r, int number) {
  return r.status == 1 && r.err.find("runtime error " + std::to_string(number)) != std::string::npos;
}

const std::string kHandlerA = code_bytes(Stmt::kGoto) + " 1a";
const std::string kHandlerB = code_bytes(Stmt::kGosub) + " 2b";

TEST(KeyTrap, StatesDecideWhatAPressDoes) {
  EventTraps traps;
  traps.set_key_handler(0, kHandlerA);
  traps.set_key_handler(1, kHandlerB);
  EXPECT_FALSE(traps.key_pressed(0));  // off
  EXPECT_FALSE(traps.key_trap(TrapWord::On));
  EXPECT_EQ(traps.key_pressed(1), kHandlerB);
  EXPECT_EQ(traps.key_pressed(5), std::string());  // on without a handler: an empty text
  EXPECT_FALSE(traps.key_trap(TrapWord::Off));
  EXPECT_FALSE(traps.key_pressed(0));
}

TEST(KeyTrap, StopRemembersTheLastKeyUntilTheNextStop) {
  EventTraps traps;
  traps.set_key_handler(0, kHandlerA);
  traps.set_key_handler(1, kHandlerB);
  traps.key_trap(TrapWord::Stop);
  EXPECT_FALSE(traps.key_pressed(0));
  EXPECT_FALSE(traps.key_pressed(1));
  EXPECT_EQ(traps.key_trap(TrapWord::On), kHandlerB);  // only the last key
  EXPECT_EQ(traps.key_trap(TrapWord::On), kHandlerB);  // and again on every later on
  traps.key_trap(TrapWord::Stop);
  EXPECT_FALSE(traps.key_trap(TrapWord::On));
}

TEST(MouseTrap, StatesMarksAndLastEvent) {
  EventTraps traps;
  EXPECT_FALSE(traps.mouse_event(2, 10, 20));  // off, but the position is recorded
  EXPECT_EQ(traps.last_mouse_event().number, 2);
  EXPECT_EQ(traps.last_mouse_event().x, 10);
  EXPECT_EQ(traps.last_mouse_event().y, 20);

  traps.mouse_trap(2, TrapWord::On);
  EXPECT_FALSE(traps.mouse_event(2, 0, 0));  // on without a handler: nothing
  traps.set_mouse_handler(2, kHandlerA);
  EXPECT_EQ(traps.mouse_event(2, 0, 0), kHandlerA);

  traps.mouse_trap(2, TrapWord::Stop);
  EXPECT_FALSE(traps.mouse_event(2, 0, 0));
  EXPECT_EQ(traps.mouse_trap(2, TrapWord::On), kHandlerA);  // replayed, the mark stays
  EXPECT_EQ(traps.mouse_trap(2, TrapWord::On), kHandlerA);
  traps.mouse_trap(2, TrapWord::Off);  // clears the mark
  EXPECT_FALSE(traps.mouse_trap(2, TrapWord::On));
}

TEST(MouseTrap, MarkWithoutHandlerReplaysNothing) {
  EventTraps traps;
  traps.mouse_trap(4, TrapWord::Stop);
  traps.mouse_event(4, 0, 0);
  EXPECT_FALSE(traps.mouse_trap(4, TrapWord::On));
  traps.set_mouse_handler(4, kHandlerB);
  traps.mouse_trap(4, TrapWord::Stop);
  EXPECT_EQ(traps.mouse_trap(4, TrapWord::On), kHandlerB);  // the earlier mark still holds
}

TEST(MouseTrap, ResetKeepsKeysAndMarks) {
  EventTraps traps;
  traps.set_key_handler(3, kHandlerA);
  traps.key_trap(TrapWord::On);
  traps.set_mouse_handler(1, kHandlerB);
  traps.mouse_trap(1, TrapWord::Stop);
  traps.mouse_event(1, 0, 0);
  traps.reset_mouse_traps();
  EXPECT_EQ(traps.key_handler(3), kHandlerA);
  EXPECT_EQ(traps.key_state(), tess::KeyTrapState::On);
  EXPECT_EQ(traps.mouse_handler(1), "");
  EXPECT_EQ(traps.mouse_state(1), tess::MouseTrapState::Off);
  traps.set_mouse_handler(1, kHandlerA);
  EXPECT_EQ(traps.mouse_trap(1, TrapWord::On), kHandlerA);  // the mark survived
}

TEST(TrapStatements, RegisterHandlersAndSetStates) {
  Hooks hooks;
  std::string key0, key1, key2, mouse3;
  tess::KeyTrapState key_state{};
  tess::MouseTrapState mouse_state{};
  hooks.before = [](tess::Interpreter& in) { in.traps().set_key_handler(2, kHandlerA); };
  hooks.after = [&](tess::Interpreter& in) {
    key0 = in.traps().key_handler(0);
    key1 = in.traps().key_handler(1);
    key2 = in.traps().key_handler(2);
    mouse3 = in.traps().mouse_handler(3);
    key_state = in.traps().key_state();
    mouse_state = in.traps().mouse_state(3);
  };
  auto r = run_with(" " + ON + " KEY GOSUB 1a, ,  \n " + ON + " Mouse(3) goto 3c,4d\n " + KEY + " stop\n " + MOUSE +
                        " (1+2) ON\n",
                    hooks);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(key0, code_bytes(Stmt::kGosub) + " 1a");
  EXPECT_EQ(key1, "");
  EXPECT_EQ(key2, "");  // an empty item empties the key's handler
  EXPECT_EQ(mouse3, code_bytes(Stmt::kGoto) + " 3c,4d");
  EXPECT_EQ(key_state, tess::KeyTrapState::Stop);
  EXPECT_EQ(mouse_state, tess::MouseTrapState::On);
}

TEST(TrapStatements, Errors) {
  EXPECT_TRUE(has_error(run_text(" " + KEY + " maybe\n"), 1));
  EXPECT_TRUE(has_error(run_text(" " + MOUSE + " 1 ON\n"), 1));
  EXPECT_TRUE(has_error(run_text(" " + MOUSE + " (6) ON\n"), 5));
  EXPECT_TRUE(has_error(run_text(" " + MOUSE + " (0) OFF\n"), 5));
  EXPECT_TRUE(has_error(run_text(" " + ON + " MOUSE(7) GOSUB 1\n"), 5));
  EXPECT_TRUE(has_error(run_text(" " + ON + " KEY GOSUB 1,2,3,4,5,6,7,8,9,a,b,c,d\n"), 10));
  EXPECT_EQ(run_text(" " + ON + " KEY GOSUB 1,2,3,4,5,6,7,8,9,a,b,c\n").status, 0);
  // A handler text holds at most 255 bytes with its terminator.
  std::string list = "1";
  while (list.size() < 251) list += ",1";
  EXPECT_EQ(run_text(" " + ON + " MOUSE(1) GOSUB " + list.substr(0, 251) + "\n").status, 0);
  EXPECT_TRUE(has_error(run_text(" " + ON + " MOUSE(1) GOSUB " + list.substr(0, 251) + "2\n"), 1));
}

TEST(PendingStatement, NewerReplacesOlderAndRunsAfterTheNextStatement) {
  Hooks hooks;
  hooks.before = [](tess::Interpreter& in) {
    in.set_pending(code_bytes(Stmt::kPrint) + " \"old\"");
    in.set_pending(code_bytes(Stmt::kPrint) + " \"new\"");
  };
  auto r = run_with(" " + P + " \"first\" : " + P + " \"second\"\n", hooks);
  EXPECT_EQ(r.out, "first\nnew\nsecond\n");
}

// A notification (the MCI notify assignment) has a queue of its own: a trap's
// pending statement arriving at the same moment replaces nothing, and two
// notifications both run, in order.
TEST(PendingStatement, QueuedNotificationsAreNeverReplaced) {
  Hooks hooks;
  hooks.before = [](tess::Interpreter& in) {
    in.queue_statement(code_bytes(Stmt::kPrint) + " \"notified 1\"");
    in.set_pending(code_bytes(Stmt::kPrint) + " \"trap\"");
    in.queue_statement(code_bytes(Stmt::kPrint) + " \"notified 2\"");
  };
  auto r = run_with(" " + P + " \"first\" : " + P + " \"second\"\n", hooks);
  EXPECT_EQ(r.out, "first\ntrap\nnotified 1\nnotified 2\nsecond\n");
}

TEST(PendingStatement, KeyOnRunsTheRememberedHandlerAsACall) {
  // Pressed while stopped (during the wait); "on" queues the remembered call,
  // which returns to the statement after the trap statement.
  Hooks hooks;
  const std::string text = program(" " + ON + " KEY GOSUB @h@ : " + KEY + " STOP\n " + P + " \"before\" : " + WAIT +
                                   " 500\n " + KEY + " ON : " + P + " \"after\" : " + END + "`h`\n " + P +
                                   " \"handler\" : " + RETURN + "\n");
  hooks.during = [](tess::Interpreter& in) {
    ASSERT_TRUE(eventually([&] { return in.traps().key_state() == tess::KeyTrapState::Stop; }));
    tess::raise_key_event(in, 0);
  };
  auto r = run_with(text, hooks);
  EXPECT_EQ(r.out, "before\nhandler\nafter\n") << r.err;
}

TEST(PendingStatement, OnlyTheMainThreadRunsIt) {
  // Thread 1 spins while the main thread sleeps; the handler jumps to a line that
  // ends the thread that runs it. Run by the main thread, "woke" never prints.
  Hooks hooks;
  const std::string text = program(" " + ON + " KEY GOTO @h@ : " + KEY + " ON : " + THREAD + " @t@ : " + WAIT +
                                   " 400 : " + P + " \"woke\" : Q=1 : " + END + " 2`t`\n " + IF + " Q=0 THEN " + GOTO +
                                   " @t@\n " + END + " 2`h`\n Q=1 : " + P + " \"key\" : " + END + " 2\n");
  hooks.during = [](tess::Interpreter& in) {
    ASSERT_TRUE(eventually([&] { return in.slot(1).in_use.load(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    tess::raise_key_event(in, 0);
  };
  auto r = run_with(text, hooks);
  EXPECT_EQ(r.out, "key\n") << r.err;
}

TEST(PendingStatement, ThreadInSlotZeroTakesOverTheMainThreadsDuty) {
  // The main thread ends; thread A starts thread B, which takes slot 0, switches
  // the trap on and waits for the handler to run.
  Hooks hooks;
  const std::string text = program(" " + ON + " KEY GOTO @h@ : " + THREAD + " @a@ : " + END + " 2`a`\n " + WAIT +
                                   " 50 : " + THREAD + " @b@ : " + END + " 2`b`\n " + KEY + " ON`l`\n " + IF +
                                   " Q=0 THEN " + WAIT + " 1 : " + GOTO + " @l@\n " + END + " 2`h`\n " + P +
                                   " \"key\" : Q=1\n");
  hooks.during = [](tess::Interpreter& in) {
    ASSERT_TRUE(eventually([&] { return in.traps().key_state() == tess::KeyTrapState::On; }));
    for (int i = 0; i < 400 && in.slot(0).in_use; ++i) {
      tess::raise_key_event(in, 0);
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  };
  auto r = run_with(text, hooks);
  EXPECT_EQ(r.out.substr(0, 4), "key\n") << r.err;
  EXPECT_EQ(r.status, 0);
}

TEST(PendingStatement, HandedOverWholeUnderConcurrentEvents) {
  // One thread raises events as fast as it can, alternating two handlers of
  // different lengths; the main thread runs whatever is pending. A torn text
  // would jump to a wrong target or fail to parse.
  Hooks hooks;
  // The handlers are jumps: a handler runs after every statement of thread 0,
  // its own included, so calls would nest as deep as events come.
  const std::string text = program(" " + ON + " KEY GOTO @a@, @bbbb@ : " + KEY + " ON`w`\n " + IF + " A+B<300 THEN " +
                                   GOTO + " @w@\n " + END + "`a`\n A=A+1 : " + GOTO + " @w@`bbbb`\n B=B+1 : " + GOTO +
                                   " @w@\n");
  std::atomic<bool> done = false;
  std::thread raiser;
  hooks.during = [&](tess::Interpreter& in) {
    raiser = std::thread([&] {
      for (int i = 0; !done; ++i) tess::raise_key_event(in, i % 2);
    });
  };
  hooks.after = [&](tess::Interpreter&) {
    done = true;
    raiser.join();
  };
  auto r = run_with(text, hooks);
  EXPECT_EQ(r.status, 0) << r.err;
}

TEST(ResetStatement, KeepsKeyHandlersAndDepthsEmptiesMouseAndPending) {
  Hooks hooks;
  std::string key0, mouse2;
  int32_t depth = -1, saved = -1;
  hooks.after = [&](tess::Interpreter& in) {
    key0 = in.traps().key_handler(0);
    mouse2 = in.traps().mouse_handler(2);
    depth = in.slot(0).call_depth;
    saved = in.slot(0).returns[0].pc;
  };
  const std::string text = program(" " + ON + " KEY GOSUB 1a : " + ON + " MOUSE(2) GOSUB 2b : " + GOSUB + " @s@\n " + END +
                                   "`s`\n A=1 : " + CLEAR + " : " + IF + " A=0 THEN " + P + " \"cleared\" : " + END + " 2\n");
  auto r = run_with(text, hooks);
  EXPECT_EQ(r.out, "cleared\n") << r.err;
  EXPECT_EQ(key0, code_bytes(Stmt::kGosub) + " 1a");
  EXPECT_EQ(mouse2, "");
  EXPECT_EQ(depth, 1);
  EXPECT_EQ(saved, 0);  // the return position itself is cleared
}

}  // namespace
