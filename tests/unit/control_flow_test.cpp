// Jumps, calls, the conditional, loops, restart and end, run as whole programs.
#include <gtest/gtest.h>

#include "flow_program.h"
#include "interp/error.h"
#include "interp/flow_scan.h"

using namespace tess::testing;

namespace {

bool has_error(const RunResult& r, int number) {
  return r.status == 1 && r.err.find("runtime error " + std::to_string(number)) != std::string::npos;
}

TEST(Positions, ReadAsHexadecimal) {
  EXPECT_EQ(tess::parse_position("ffffffff"), -1);
  EXPECT_EQ(tess::parse_position("1A"), 26);
  EXPECT_EQ(tess::parse_position("0x1f rest"), 31);
  EXPECT_EQ(tess::parse_position(""), 0);
}

// A target must be one to eight hexadecimal digits naming a place from the
// start (-1) to the end of the text; anything else is error 3 naming it.
TEST(Positions, TargetsAreCheckedAgainstTheText) {
  const tess::ProgramText text(std::string(64, ' '));
  EXPECT_EQ(tess::read_target(text, "0000002a trailing"), 42);
  EXPECT_EQ(tess::read_target(text, "ffffffff"), -1);
  EXPECT_EQ(tess::read_target(text, "40"), 64);
  EXPECT_EQ(tess::read_target(text, "3c,4d"), 60);  // a handler's target list
  for (const char* bad : {"\x81" "0", "41", "80000000", "7fffffff", "fffffffe", "zz", "", "12g", "123456789", "0x"}) {
    try {
      tess::read_target(text, bad);
      ADD_FAILURE() << "accepted: " << bad;
    } catch (const tess::ProgramError& e) {
      EXPECT_EQ(e.number, 3) << bad;
      if (static_cast<uint8_t>(bad[0]) < 0x80) {
        EXPECT_NE(e.detail.find(std::string("'") + bad + "'"), std::string::npos) << e.detail;
      }
    }
  }
}

TEST(BlockEnd, CountsNestedBracesAndSkipsQuotes) {
  const tess::ProgramText text(std::string(" {\n x \"{\"\n {\n10 }\n }\n20 }\n"));
  // From just after the first '{': the quoted brace does not count, the inner
  // block closes first.
  const auto end = tess::find_block_end(text, 2);
  ASSERT_TRUE(end);
  EXPECT_EQ(text.at(*end - 1), '}');
  EXPECT_EQ(std::string(text.from(*end)), "\n20 }\n");
}

TEST(BlockEnd, ClosingLineIsNumberBlankBrace) {
  // "x }" is not a closing line: the brace must follow the line's first blank.
  const tess::ProgramText text(std::string(" {\n x }\n30 }\n"));
  const auto end = tess::find_block_end(text, 2);
  ASSERT_TRUE(end);
  EXPECT_EQ(*end, static_cast<int32_t>(std::string(" {\n x }\n30 }").size()));
  EXPECT_FALSE(tess::find_block_end(tess::ProgramText(std::string(" {\n x\n")), 2));
}

TEST(BlockEnd, OddQuoteDoesNotHideLaterLines) {
  // The brace after the unmatched quote counts, so the first closing line is not
  // the block end.
  const std::string source = " \"open\n {\n }\n }\n";
  const auto end = tess::find_block_end(tess::ProgramText(source), 0);
  ASSERT_TRUE(end);
  EXPECT_EQ(*end, static_cast<int32_t>(source.size() - 1));
}

TEST(Jump, ForwardToLineAndToColon) {
  auto r = run_text(program(" " + P + " \"a\"\n " + GOTO + " @x@\n " + P + " \"skipped\"`x`\n " + P + " \"b\"\n"));
  EXPECT_EQ(r.out, "a\nb\n");
  r = run_text(program(" " + GOTO + " @y@\n " + P + " \"no\"`y`: " + P + " \"yes\"\n"));
  EXPECT_EQ(r.out, "yes\n");
}

TEST(Jump, MinusOneIsTheFirstLine) {
  auto r = run_text(program(" " + IF + " A=1 THEN " + P + " \"second\" : " + END + "\n A=1 : " + P + " \"first\"\n " +
                            GOTO + " ffffffff\n"));
  EXPECT_EQ(r.out, "first\nsecond\n");
}

TEST(Jump, TargetWithHighFirstByteIsError3) {
  auto r = run_text(" " + GOTO + " \x81" "0\n");
  EXPECT_TRUE(has_error(r, 3)) << r.err;
}

TEST(Jump, ClearingJumpRefusesFFFFFFFD) {
  auto r = run_text(program(" " + CJUMP + " @x@\n " + P + " \"no\"`x`\n " + P + " \"yes\"\n"));
  EXPECT_EQ(r.out, "yes\n");
  r = run_text(" " + CJUMP + " fffffffd\n");
  EXPECT_TRUE(has_error(r, 7)) << r.err;
}

TEST(Jump, PlainJumpKeepsSkipMode) {
  // The plain jump lands on a ':' of another line; skip mode still cuts at else.
  auto r = run_text(program(" " + IF + " 1 THEN " + WEND + " @x@\n " + END + "\n " + P + " \"a\"`x`: " + P +
                            " \"b\" : ELSE " + P + " \"c\"\n"));
  EXPECT_EQ(r.out, "b\n");
  EXPECT_EQ(r.status, 0) << r.err;
}

TEST(Call, ReturnsAfterTheCallStatement) {
  auto r = run_text(program(" " + GOSUB + " @s@ : " + P + " \"back\"\n " + END + "`s`\n " + P + " \"sub\" : " +
                            RETURN + "\n"));
  EXPECT_EQ(r.out, "sub\nback\n");
  EXPECT_EQ(r.status, 0);
}

TEST(Call, ReturnWithoutCallIsError6) {
  auto r = run_text(" " + RETURN + "\n");
  EXPECT_TRUE(has_error(r, 6)) << r.err;
}

std::string nested_calls(int depth) {
  return program(" " + GOSUB + " @s@ : " + P + " \"done\" : " + END + "`s`\n N=N+1 : " + IF + " N<" +
                 std::to_string(depth) + " THEN " + GOSUB + " @s@\n " + RETURN + "\n");
}

TEST(Call, The1023rdNestedCallWorksThe1024thFails) {
  auto r = run_text(nested_calls(1023));
  EXPECT_EQ(r.out, "done\n");
  EXPECT_EQ(r.status, 0) << r.err;
  r = run_text(nested_calls(1024));
  EXPECT_TRUE(has_error(r, 99)) << r.err;
  EXPECT_EQ(r.out, "");
}

TEST(Call, FromThenPartReturnsIntoSkipMode) {
  // Outside skip mode the else statement would be taken for an assignment.
  auto r = run_text(program(" " + IF + " 1 THEN " + GOSUB + " @s@ : " + P + " \"then\" : ELSE " + P + " \"else\"\n " +
                            P + " \"after\" : " + END + "`s`\n " + P + " \"sub\" : " + RETURN + "\n"));
  EXPECT_EQ(r.out, "sub\nthen\nafter\n");
  EXPECT_EQ(r.status, 0) << r.err;
}

std::string computed(std::string_view selector, std::string_view kind = "GOTO") {
  return program(" " + ON + " " + std::string(selector) + " " + std::string(kind) + " @a@, @b@ ,@c@ : " + P +
                 " \"next\"\n " + END + "`a`\n " + P + " \"a\" : " + END + "`b`\n " + P + " \"b\" : " + END +
                 "`c`\n " + P + " \"c\" : " + RETURN + "\n");
}

TEST(ComputedBranch, SelectsTheNthTarget) {
  EXPECT_EQ(run_text(computed("2")).out, "b\n");
  EXPECT_EQ(run_text(computed("3.9")).out, "c\n");
  EXPECT_EQ(run_text(computed("1+1")).out, "b\n");
}

TEST(ComputedBranch, SelectorOutsideTheListContinues) {
  for (const char* selector : {"0", "-1", "4", "-0.5"}) EXPECT_EQ(run_text(computed(selector)).out, "next\n") << selector;
}

TEST(ComputedBranch, CallReturnsToTheNextStatement) {
  auto r = run_text(computed("3", "gosub"));
  EXPECT_EQ(r.out, "c\nnext\n");
}

TEST(ComputedBranch, WithoutGotoOrGosubIsError1) {
  auto r = run_text(" " + ON + " 1 GOTOX 1\n");
  EXPECT_TRUE(has_error(r, 1)) << r.err;
}

TEST(Restart, WithAllKeepsVariables) {
  auto r = run_text(" " + IF + " A=1 THEN " + P + " \"kept\" : " + END + "\n A=1 : " + RUN + " 0, 0, ALL\n");
  EXPECT_EQ(r.out, "kept\n");
}

TEST(Restart, WithoutAllResetsVariablesAndDataPointer) {
  const std::string text = " " + READ + " X : " + IF + " X=2 THEN " + P + " \"second item\" : " + END + "\n " + IF +
                           " A=1 THEN " + P + " \"kept\" : " + END + "\n " + P + " \"x\" : A=1 : " + RUN + " 0\n " +
                           DATA + " 1,2\n";
  Hooks hooks;
  hooks.during = [](tess::Interpreter& in) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    in.request_stop();
    in.host().end_program();
  };
  auto r = run_with(text, hooks);
  EXPECT_EQ(r.out.substr(0, 6), "x\nx\nx\n");
  EXPECT_EQ(r.out.find("kept"), std::string::npos);
  EXPECT_EQ(r.out.find("second"), std::string::npos);
}

TEST(Restart, RefusedTargetAndThirdItem) {
  EXPECT_TRUE(has_error(run_text(" " + RUN + " ffffffff\n"), 7));
  EXPECT_TRUE(has_error(run_text(" " + RUN + " 0,0,some\n"), 1));
}

TEST(Conditional, OneLineThenAndElse) {
  EXPECT_EQ(run_text(" " + IF + " 1 THEN " + P + " \"a\" : " + P + " \"b\"\n " + P + " \"c\"\n").out, "a\nb\nc\n");
  // A false conditional without else skips every statement after it on its line.
  EXPECT_EQ(run_text(" " + IF + " 0 THEN " + P + " \"a\" : " + P + " \"b\"\n " + P + " \"c\"\n").out, "c\n");
  EXPECT_EQ(run_text(" " + IF + " 0 THEN " + P + " \"a\" ELSE " + P + " \"b\" : " + P + " \"b2\"\n").out, "b\nb2\n");
  EXPECT_EQ(run_text(" " + IF + " 1 THEN " + P + " \"a\" : " + P + " \"a2\" ELSE " + P + " \"b\"\n").out, "a\na2\n");
  // An else standing at the start of a statement ends the then-part.
  auto r = run_text(" " + IF + " 1 THEN " + P + " \"a\" : ELSE " + P + " \"b\" : " + P + " \"b2\"\n " + P + " \"c\"\n");
  EXPECT_EQ(r.out, "a\nc\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(run_text(" " + P + " \"x\" : " + IF + " 0 THEN " + P + " \"a\" ELSE " + P + " \"b\"\n").out, "x\nb\n");
}

TEST(Conditional, ConditionBeforeThenInParentheses) {
  EXPECT_EQ(run_text(" A=2 : " + IF + " (A=2)THEN " + P + " \"p\"\n").out, "p\n");
}

TEST(Conditional, NestedOneLineConditionals) {
  const std::string inner = IF + " B THEN " + P + " \"x\" ELSE " + P + " \"y\" ELSE " + P + " \"z\"\n";
  EXPECT_EQ(run_text(" A=1 : B=0 : " + IF + " A THEN " + inner).out, "y\n");
  EXPECT_EQ(run_text(" A=1 : B=1 : " + IF + " A THEN " + inner).out, "x\n");
  EXPECT_EQ(run_text(" A=0 : B=1 : " + IF + " A THEN " + inner).out, "z\n");
}

TEST(Conditional, ElseInsideQuotesOrGluedIsNoElse) {
  EXPECT_EQ(run_text(" " + IF + " 0 THEN " + P + " \" else \" : " + P + " \"no\"\n " + P + " \"end\"\n").out, "end\n");
  EXPECT_EQ(run_text(" " + IF + " 1 THEN " + P + " \"a else b\"\n").out, "a else b\n");
  EXPECT_EQ(run_text(" " + IF + " 0 THEN " + P + " \"a\" : XELSE " + P + " \"b\"\n " + P + " \"end\"\n").out, "end\n");
}

TEST(Conditional, ElseAfterQuoteOrParenthesis) {
  EXPECT_EQ(run_text(" " + IF + " 0 THEN " + P + " \"a\"ELSE " + P + " \"b\"\n").out, "b\n");
  EXPECT_EQ(run_text(" " + IF + " 1 THEN " + P + " \"a\"ELSE " + P + " \"b\"\n").out, "a\n");
}

TEST(Conditional, Blocks) {
  const std::string block = " THEN {\n " + P + " \"in\"\n } ELSE {\n " + P + " \"else\"\n }\n " + P + " \"after\"\n";
  EXPECT_EQ(run_text(" " + IF + " 1" + block).out, "in\nafter\n");
  EXPECT_EQ(run_text(" " + IF + " 0" + block).out, "else\nafter\n");
  const std::string glued = " THEN {\n " + P + " \"in\"\n }ELSE {\n " + P + " \"else\"\n }\n";
  EXPECT_EQ(run_text(" " + IF + " 1" + glued).out, "in\n");
  EXPECT_EQ(run_text(" " + IF + " 0" + glued).out, "else\n");
}

TEST(Conditional, NestedBlocks) {
  const std::string text = " " + IF + " A THEN {\n " + IF + " 1 THEN {\n " + P + " \"inner\"\n }\n " + P +
                           " \"outer\"\n }ELSE {\n " + P + " \"else\"\n }\n";
  EXPECT_EQ(run_text(" A=1\n" + text).out, "inner\nouter\n");
  EXPECT_EQ(run_text(" A=0\n" + text).out, "else\n");
}

TEST(Conditional, OneLineElseAfterABlock) {
  // A false conditional sees only an else glued to the brace; the block close,
  // reached normally, accepts blanks before it.
  EXPECT_EQ(run_text(" " + IF + " 0 THEN {\n " + P + " \"in\"\n }ELSE " + P + " \"glued\" : " + P + " \"too\"\n").out,
            "glued\ntoo\n");
  EXPECT_EQ(run_text(" " + IF + " 0 THEN {\n " + P + " \"in\"\n } ELSE " + P + " \"spaced\"\n " + P + " \"end\"\n").out,
            "end\n");
  EXPECT_EQ(run_text(" " + IF + " 1 THEN {\n " + P + " \"in\"\n }  ELSE " + P + " \"x\" : " + P + " \"y\"\n " + P +
                     " \"end\"\n")
                .out,
            "in\nend\n");
}

TEST(Conditional, ElseChainOfBlocksIsSkipped) {
  const std::string text = " " + IF + " 1 THEN {\n " + P + " \"a\"\n }ELSE {\n " + P + " \"b\"\n }ELSE {\n " + P +
                           " \"c\"\n }\n " + P + " \"end\"\n";
  EXPECT_EQ(run_text(text).out, "a\nend\n");
}

TEST(Conditional, OneLineThenWithElseBlock) {
  const std::string text = " " + IF + " C THEN " + P + " \"a\" ELSE {\n " + P + " \"b\"\n }\n " + P + " \"c\"\n";
  EXPECT_EQ(run_text(" C=1\n" + text).out, "a\nc\n");
  EXPECT_EQ(run_text(" C=0\n" + text).out, "b\nc\n");
}

TEST(Conditional, Errors) {
  // True without a then that a blank, tab or '{' follows.
  EXPECT_TRUE(has_error(run_text(" " + IF + " 1 THEN:" + P + " \"a\"\n"), 1));
  // Block ends that cannot be found: conditional, block close, else check.
  EXPECT_TRUE(has_error(run_text(" " + IF + " 0 THEN {\n " + P + " \"a\"\n"), 20));
  auto r = run_text(" " + IF + " 1 THEN {\n }ELSE {\n " + P + " \"x\"\n");
  EXPECT_TRUE(has_error(r, 20)) << r.err;
  r = run_text(" " + IF + " 1 THEN " + P + " \"a\" ELSE {\n " + P + " \"b\"\n");
  EXPECT_TRUE(has_error(r, 20)) << r.err;
  EXPECT_EQ(r.out, "");
}

TEST(CountedLoop, SumsAndNests) {
  auto r = run_text(program(" S=0`f`: " + FOR + " @x@ I=1 TO 10 : S=S+I : " + NEXT + " @f@`x`\n " + IF +
                            " S=55 THEN " + P + " \"55\"\n"));
  EXPECT_EQ(r.out, "55\n") << r.err;
  r = run_text(program(" C=0`o`: " + FOR + " @ox@ I=1 TO 3`i`: " + FOR + " @ix@ J=1 TO 4 : C=C+1 : " + NEXT +
                       " @i@`ix`: " + NEXT + " @o@`ox`\n " + IF + " C=12 THEN " + P + " \"12\"\n"));
  EXPECT_EQ(r.out, "12\n") << r.err;
}

TEST(CountedLoop, StartBeyondLimitSkipsTheBody) {
  auto r = run_text(program(" " + P + " \"s\"`f`\n " + FOR + " @x@ I=5 TO 1\n " + P + " \"body\"\n " + NEXT +
                            " @f@`x`\n " + IF + " I=5 THEN " + P + " \"e\"\n"));
  EXPECT_EQ(r.out, "s\ne\n");
}

TEST(CountedLoop, NegativeStep) {
  auto r = run_text(program(" C=0`f`: " + FOR + " @x@ I=10 TO 1 STEP -3 : C=C+1 : " + NEXT + " @f@`x`\n " + IF +
                            " C=4 THEN " + P + " \"4\"\n"));
  EXPECT_EQ(r.out, "4\n");
}

TEST(CountedLoop, NonIntegralStepComparesTheLimitAt14Digits) {
  // 0.1 added ten times is 0.9999999999999999, still not above "1".
  auto r = run_text(program(" C=0`f`: " + FOR + " @x@ I=0 TO 1 STEP 0.1 : C=C+1 : " + NEXT + " @f@`x`\n " + IF +
                            " C=11 THEN " + P + " \"11\"\n"));
  EXPECT_EQ(r.out, "11\n");
}

TEST(CountedLoop, StepZeroNeverEnds) {
  auto r = run_text(program(" C=0`f`\n " + FOR + " @x@ I=1 TO 2 STEP 0\n C=C+1\n " + IF + " C=100 THEN " + GOTO +
                            " @out@\n " + NEXT + " @f@`x`\n " + P + " \"ended\"`out`\n " + P + " \"100\"\n"));
  EXPECT_EQ(r.out, "100\n");
}

TEST(CountedLoop, MalformedHeads) {
  EXPECT_TRUE(has_error(run_text(" " + FOR + " 00000010\n"), 1));
  EXPECT_TRUE(has_error(run_text(" " + FOR + " 00000010 I=1 TOO 3\n"), 1));
  EXPECT_TRUE(has_error(run_text(" " + FOR + " 00000010 I TO 3\n"), 1));
}

TEST(ConditionalLoop, TestsBeforeEachPass) {
  auto r = run_text(program(" I=0`w`: " + WHILE + " @x@ I<3 : I=I+1 : " + P + " \"w\" : " + WEND + " @w@`x`\n " + P +
                            " \"end\"\n"));
  EXPECT_EQ(r.out, "w\nw\nw\nend\n");
  r = run_text(program(" I=5`w`: " + WHILE + " @x@ I<3 : " + P + " \"w\" : " + WEND + " @w@`x`\n"));
  EXPECT_EQ(r.out, "");
}

TEST(End, OneTwoAndOtherValues) {
  auto r = run_text(" " + END + " 3\n " + END + " 0\n " + P + " \"a\"\n " + END + "\n " + P + " \"b\"\n");
  EXPECT_EQ(r.out, "a\n");
  EXPECT_EQ(r.status, 0);
  // 2 ends only the thread; as the last one it ends the program too.
  r = run_text(" " + END + " 1+1\n " + P + " \"b\"\n");
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.status, 0);
}

TEST(Wait, NegativeIsError5) {
  EXPECT_TRUE(has_error(run_text(" " + WAIT + " -1\n"), 5));
  EXPECT_EQ(run_text(" " + WAIT + " 0 : " + P + " \"a\"\n").out, "a\n");
}

}  // namespace
