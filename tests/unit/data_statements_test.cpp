// Data, read and restore; the type default, declare, swap and string replacement.
#include <gtest/gtest.h>

#include "flow_program.h"

using namespace tess::testing;

namespace {

bool has_error(const RunResult& r, int number) {
  return r.status == 1 && r.err.find("runtime error " + std::to_string(number)) != std::string::npos;
}

// Prints "ok" when the condition holds, "no" otherwise.
std::string check(std::string_view condition) {
  return " " + IF + " " + std::string(condition) + " THEN " + P + " \"ok\" ELSE " + P + " \"no\"\n";
}

TEST(Read, CrossesDataStatementsAndSkipsOtherStatements) {
  const std::string text = " " + READ + " A, B, C\n" + check("A=1" + AND + "B=2" + AND + "C=3") + " " + END + "\n " + DATA +
                           " 1\n " + P + " \"x\" : " + DATA + " 2\n10 " + DATA + " 3\n";
  auto r = run_text(text);
  EXPECT_EQ(r.out, "ok\n") << r.err;
}

TEST(Read, ItemsAreExpressionsEvaluatedWhenRead) {
  const std::string text = " N=5 : " + READ + " A, S$\n" + check("A=7" + AND + "S$=\"a,b\"") + " " + DATA +
                           " N+2, \"a,b\"\n";
  EXPECT_EQ(run_text(text).out, "ok\n");
}

TEST(Read, ParenthesesKeepCommasInAnItem) {
  const std::string text = " " + DIM + " T(3) : T(2)=9 : " + READ + " A, B\n" + check("A=9" + AND + "B=4") + " " + DATA +
                           " T(1+1), 4\n";
  EXPECT_EQ(run_text(text).out, "ok\n");
}

TEST(Read, PastTheLastItemIsError11) {
  auto r = run_text(" " + READ + " A, B\n " + DATA + " 1\n");
  EXPECT_TRUE(has_error(r, 11)) << r.err;
}

TEST(Read, ColonEndsTheItemsOfAStatement) {
  // The next data statement after a ':' on the same line continues the items.
  const std::string text = " " + READ + " A, B\n" + check("A=1" + AND + "B=2") + " " + DATA + " 1 : " + DATA + " 2\n";
  EXPECT_EQ(run_text(text).out, "ok\n");
}

TEST(Restore, ToALabelAndIntoTheMiddleOfADataLine) {
  const std::string text = program(" " + READ + " A : " + RESTORE + " @d2@ : " + READ + " B\n" + check("A=1" + AND + "B=2") +
                                   " " + RESTORE + " @mid@ : " + READ + " C\n" + check("C=3") + " " + END + "\n " +
                                   DATA + " 1`d2`\n " + DATA + " 2,`mid`9 : " + P + " \"x\"\n " + DATA + " 3\n");
  // `mid` stands inside the second data statement, so its 9 is skipped.
  auto r = run_text(text);
  EXPECT_EQ(r.out, "ok\nok\n") << r.err;
}

TEST(Restore, ResetRewindsTheDataPointer) {
  const std::string text = " " + READ + " A : " + CLEAR + " : " + READ + " B\n" + check("B=1") + " " + DATA + " 1,2\n";
  EXPECT_EQ(run_text(text).out, "ok\n");
}

TEST(TypeDefault, LettersAndRanges) {
  const std::string text = " " + DEFTYPE + " A-C,Xint\n A=1.7 : B=2.2 : C=3.9 : X=4.5 : D=1.5\n" +
                           check("A=1" + AND + "B=2" + AND + "C=3" + AND + "X=4" + AND + "D=1.5");
  EXPECT_EQ(run_text(text).out, "ok\n");
  EXPECT_EQ(run_text(" " + DEFTYPE + " s,t-uSTR\n S=\"a\" : U=\"b\"\n" + check("S+U=\"ab\"")).out, "ok\n");
}

TEST(TypeDefault, BadListsAreError1) {
  EXPECT_TRUE(has_error(run_text(" " + DEFTYPE + " A, Bint\n"), 1));  // blank after the comma
  EXPECT_TRUE(has_error(run_text(" " + DEFTYPE + " C-Aint\n"), 1));   // reversed range
  EXPECT_TRUE(has_error(run_text(" " + DEFTYPE + " 1int\n"), 1));
}

TEST(TypeDefault, LettersBeyondTheListLimitAreIgnored) {
  std::string text;
  for (int i = 0; i < 11; ++i) text += " " + DEFTYPE + " A-Zsng\n";  // 286 letters
  auto r = run_text(text + " " + DEFTYPE + " Qint\n Q=2.5\n" + check("Q=2"));
  EXPECT_EQ(r.out, "ok\n") << r.err;
}

TEST(TypeDefault, UnknownTypeWordAddsNothing) {
  EXPECT_EQ(run_text(" " + DEFTYPE + " Adbl\n A=1.5\n" + check("A=1.5")).out, "ok\n");
}

TEST(Declare, ArraysAndScalars) {
  const std::string text = " A=5 : S$=\"x\" : " + DIM + " A, B(2, 3), S$, N$(2)\n B(2,3)=7 : N$(2)=\"n\"\n" +
                           check("A=0" + AND + "S$=\"\"" + AND + "B(2,3)=7" + AND + "B(0,0)=0" + AND + "N$(2)=\"n\"" + AND + "N$(1)=\"\"");
  EXPECT_EQ(run_text(text).out, "ok\n");
}

TEST(Declare, BoundsMayHoldParentheses) {
  EXPECT_EQ(run_text(" " + DIM + " Z((1+1)*2)\n Z(4)=1\n" + check("Z(4)=1")).out, "ok\n");
}

TEST(Declare, RefusesANameWithAnArrayOrElementEntry) {
  auto r = run_text(" A(1)=5\n " + DIM + " A\n");
  EXPECT_TRUE(has_error(r, 17)) << r.err;
  EXPECT_NE(r.err.find(": A "), std::string::npos) << r.err;
  EXPECT_TRUE(has_error(run_text(" " + DIM + " B(2)\n " + DIM + " B(3)\n"), 17));
  // Only the numeric directory is consulted; plain variables do not count.
  EXPECT_EQ(run_text(" S$(1)=\"a\" : " + DIM + " S$(3)\n" + check("S$(3)=\"\"")).out, "ok\n");
  EXPECT_EQ(run_text(" C=1 : " + DIM + " C(3)\n" + check("C=1" + AND + "C(3)=0")).out, "ok\n");
}

TEST(Declare, UnbalancedParenthesesAreError1) {
  EXPECT_TRUE(has_error(run_text(" " + DIM + " A(3\n"), 1));
  EXPECT_TRUE(has_error(run_text(" " + DIM + " A3), B\n"), 1));
}

TEST(Swap, NumbersAndStrings) {
  EXPECT_EQ(run_text(" A=1 : B=2 : " + SWAP + " A, B\n" + check("A=2" + AND + "B=1")).out, "ok\n");
  EXPECT_EQ(run_text(" A$=\"x\" : B$=\"yy\" : " + SWAP + " A$,B$\n" + check("A$=\"yy\"" + AND + "B$=\"x\"")).out, "ok\n");
  EXPECT_EQ(run_text(" " + DIM + " T(2) : T(1)=4 : C=3 : " + SWAP + " T(1), C\n" + check("T(1)=3" + AND + "C=4")).out,
            "ok\n");
}

TEST(ReplacePart, RegionAndLength) {
  const std::string set = " S$=\"abcdef\" : " + MID;
  EXPECT_EQ(run_text(set + " (S$,1,3)=\"x\"\n" + check("S$=\"xdef\"")).out, "ok\n");
  EXPECT_EQ(run_text(set + " (S$,1)=\"x\"\n" + check("S$=\"xbcdef\"")).out, "ok\n");
  EXPECT_EQ(run_text(set + " (S$,2,2)=\"XYZ\"\n" + check("S$=\"aXYdef\"")).out, "ok\n");
  // The replacement is cut to the region first, then the region stops at the
  // end: what reaches past the end makes the string longer.
  EXPECT_EQ(run_text(set + " (S$,5)=\"xyz\"\n" + check("S$=\"abcdxyz\"")).out, "ok\n");
  EXPECT_EQ(run_text(set + " (S$,6,2)=\"XYZ\"\n" + check("S$=\"abcdeXY\"")).out, "ok\n");
  EXPECT_EQ(run_text(set + " (S$,6,9)=\"XYZ\"\n" + check("S$=\"abcdeXYZ\"")).out, "ok\n");
}

TEST(ReplacePart, Errors) {
  const std::string set = " S$=\"abc\" : " + MID;
  EXPECT_TRUE(has_error(run_text(set + " (S$,0)=\"x\"\n"), 1));
  EXPECT_TRUE(has_error(run_text(set + " (S$,4)=\"x\"\n"), 1));
  EXPECT_TRUE(has_error(run_text(set + " (S$,1) \"x\"\n"), 1));
}

}  // namespace
