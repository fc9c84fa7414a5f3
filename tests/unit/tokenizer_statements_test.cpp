// Every statement code and every function code is reachable from source, and
// the argument texts come out the way their handlers read them.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/unit/tokenizer_test_support.h"
#include "tools/tokenizer/keywords.h"

namespace tess::tok::testing {
namespace {

std::string line(const std::string& body) { return " " + body + "\n"; }

struct Case {
  uint16_t code;
  std::string source;
  std::string expected;  // the whole program text
};

// Statements whose argument form is more than a comma list. Targets: "10 BEEP"
// on the first line is reached as ffffffff (the place before the first line).
std::vector<Case> special_forms() {
  const std::string beep10 = "10 " + st(0x1070) + "\n";
  return {
      {0x1010, "PRINT \"a\" ; b , c", line(st(0x1010) + " \"a\";b,c")},
      {0x1010, "?\"a\"", line(st(0x1010) + " \"a\"")},
      {0x1010, "PRINT USING \"##.#\"; x", line(st(0x1010) + " using\"##.#\";x")},
      {0x1010, "PRINT #1, USING f$; x", line(st(0x1010) + " #1,using\"\"+f$;x")},
      {0x1010, "PRINT", line(st(0x1010))},
      {0x1011, "INPUT \"Name\"; a$, b", line(st(0x1011) + " \"Name\";a$,b")},
      {0x1012, "OPEN \"a b.txt\" FOR Output AS #2", line(st(0x1012) + " \"a b.txt\" for output as #2")},
      {0x1012, "OPEN \"COM1:\" + s$ AS 1", line(st(0x1012) + " \"COM1:\"+s$ as 1")},
      {0x1014, "KEY Stop", line(st(0x1014) + " stop")},
      {0x1015, "MOUSE ( 2 ) ON", line(st(0x1015) + " (2)on")},
      {0x1016, "LPRINT USING \"@\"; a$", line(st(0x1016) + " using\"@\";a$")},
      {0x1017, "FIELD #1, 10 AS a$, n AS b$", line(st(0x1017) + " #1,10 as a$,n as b$")},
      {0x1020, "10 BEEP\nRUN 10", " \n" + beep10 + line(st(0x1020) + " 1")},
      {0x1021, "IF a = 1 THEN BEEP", line(st(0x1021) + " a=1 then " + st(0x1070))},
      {0x1023, "10 BEEP\nGOTO 10", beep10 + line(st(0x1023) + " ffffffff")},
      {0x1024, "10 BEEP\nGOSUB 10", beep10 + line(st(0x1024) + " ffffffff")},
      {0x1025, "RETURN", line(st(0x1025))},
      {0x1026, "10 BEEP\nON n GOTO 10, 10", beep10 + line(st(0x1026) + " n goto ffffffff,ffffffff")},
      {0x1027, "FOR i = 1 TO 2 : NEXT", line(st(0x1027) + " 1b i=1 to 2:" + st(0x1030) + " ffffffff")},
      {0x1030, "FOR i=1 TO 2\nNEXT i", line(st(0x1027) + " 1c i=1 to 2") + line(st(0x1030) + " ffffffff")},
      {0x1031, "WHILE 1:EXIT WHILE:WEND",
       line(st(0x1032) + " 00000020 1:" + st(0x1031) + " 20:" + st(0x1033) + " ffffffff")},
      {0x1032, "WHILE a < 3\nWEND", line(st(0x1032) + " 0000001d a<3") + line(st(0x1033) + " ffffffff")},
      {0x1033, "WHILE 1:WEND", line(st(0x1032) + " 0000001a 1:" + st(0x1033) + " ffffffff")},
      {0x1034, "10 BEEP\nTHREAD 10", beep10 + line(st(0x1034) + " ffffffff")},
      {0x1039, "NAME \"a\" AS \"b\"", line(st(0x1039) + " \"a\",\"b\"")},
      {0x103A, "FILES \"*.*\"", line(st(0x103A) + " \"*.*\"")},
      {0x1063, "DEFSTR s-t, Z", line(st(0x1063) + " s-t,Zstr")},
      {0x1063, "DEFINT A", line(st(0x1063) + " Aint")},
      {0x1063, "DEFSNG a-b", line(st(0x1063) + " a-bsng")},
      {0x1064, "DATA 1, \"a b\", -2", line(st(0x1064) + " 1,\"a b\",-2")},
      {0x1066, "RESTORE", line(st(0x1066))},
      {0x1066, "10 BEEP\nRESTORE 10", beep10 + line(st(0x1066) + " 0")},
      {0x1073, "DEF FNf(x, y) = x * y", line(st(0x1073) + " f(x,y)=x*y")},
      {0x1073, "DEF FN s$(a$)=a$+\"!\"", line(st(0x1073) + " s$(a$)=a$+\"!\"")},
      {0x107C, "MID$(a$, 2) = \"xy\"", line(st(0x107C) + " (a$,2)=\"xy\"")},
      {0x1112, "PUT (0, 0), p, XOR", line(st(0x1112) + " (0,0),p,XOR")},
      {0x1110, "GET #1, 2", line(st(0x1110) + " #1,2")},
      {0x1110, "GET @(0,0)-(9,9), p", line(st(0x1110) + " @(0,0)-(9,9),p")},
      {0x1114, "LINE (0, 0) - STEP (10, 10), 2, BF", line(st(0x1114) + " (0,0)-STEP(10,10),2,BF")},
      {0x1114, "LINE INPUT \"Name\"; n$", line(st(0x1114) + " input \"Name\";n$")},
      {0x1114, "LINE INPUT #1, n$", line(st(0x1114) + " input #1,n$")},
  };
}

TEST(TokenizerStatements, SpecialFormsGiveTheHandlersArgumentTexts) {
  for (const auto& c : special_forms()) EXPECT_EQ(text_of(c.source), c.expected) << c.source;
}

TEST(TokenizerStatements, EveryStatementCodeIsReachableFromSource) {
  std::set<uint16_t> special;
  for (const auto& c : special_forms()) special.insert(c.code);
  for (const auto& row : statement_names()) {
    ASSERT_FALSE(row.name.empty()) << std::hex << row.code;
    if (special.count(row.code)) continue;
    // Every other statement takes a plain argument list.
    const std::string source = std::string(row.name) + " 1, x $";
    EXPECT_EQ(text_of(source), line(st(row.code) + " 1,x$")) << source;
    EXPECT_EQ(text_of(std::string(row.name)), line(st(row.code))) << row.name;
  }
}

TEST(TokenizerStatements, KeywordsInAnyCaseNamesAsWritten) {
  EXPECT_EQ(text_of("print Abc: Print aBC"), line(st(0x1010) + " Abc:" + st(0x1010) + " aBC"));
  EXPECT_EQ(text_of("x = 1"), line("x=1"));
  EXPECT_EQ(text_of("a$(i, 2) = \"p q\""), line("a$(i,2)=\"p q\""));
  EXPECT_EQ(text_of("let x=2"), line(st(0x107A) + " x=2"));
}

TEST(TokenizerStatements, EveryFunctionCodeIsReachableFromSource) {
  for (const auto& row : function_names()) {
    const std::string call = row.code == 0x1610 ? "FN f(1)" : std::string(row.name) + "(1)";
    const std::string body = row.code == 0x1610 ? "f(1)" : "(1)";
    EXPECT_EQ(text_of("x = " + call), line("x=" + fn(row.code) + body)) << call;
  }
}

TEST(TokenizerStatements, FunctionsWithoutArgumentsAliasesAndUserFunctions) {
  EXPECT_EQ(text_of("a$ = DATE$ + TIME$"), line("a$=" + fn(0x1113) + "+" + fn(0x1125)));
  EXPECT_EQ(text_of("a$ = spc(3)"), line("a$=" + fn(0x1121) + "(3)"));
  EXPECT_EQ(text_of("y = FNsq(2)\nDEF FNsq(x)=x*x"),
            line("y=" + fn(0x1610) + "sq(2)") + line(st(0x1073) + " sq(x)=x*x"));
  // A call without an argument list gets "()" so that the name ends there.
  EXPECT_EQ(text_of("y = FN pi * 2"), line("y=" + fn(0x1610) + "pi()*2"));
  // Without a DEF, FNAME is an ordinary name.
  EXPECT_EQ(text_of("fname = 1"), line("fname=1"));
  EXPECT_EQ(text_of("x = SQR(ABS(-4))"), line("x=" + fn(0x102D) + "(" + fn(0x1020) + "(-4))"));
}

TEST(TokenizerStatements, OperatorWordsBecomeTokensOnlyBetweenOperands) {
  EXPECT_EQ(text_of("x = 1 AND 2 OR 3 XOR 4 MOD 5"),
            line("x=1" + op('&') + "2" + op('|') + "3" + op('e') + "4" + op('m') + "5"));
  EXPECT_EQ(text_of("x = NOT a and not (b)"), line("x=" + op('!') + "a" + op('&') + op('!') + "(b)"));
  EXPECT_EQ(text_of("PUT (1,1), p, or"), line(st(0x1112) + " (1,1),p,or"));
  EXPECT_EQ(text_of("PUT (1,1), p, And"), line(st(0x1112) + " (1,1),p,And"));
  EXPECT_EQ(text_of("x = \"a and b\""), line("x=\"a and b\""));
  EXPECT_EQ(text_of("x = &hFF + 1e+5 + band"), line("x=&hFF+1e+5+band"));
}

TEST(TokenizerStatements, CommentsLineNumbersAndShiftJis) {
  EXPECT_EQ(text_of("' note\nREM note\n10 PRINT 1 ' note\n20 REM\nPRINT 2:REM x"),
            "10 " + st(0x1010) + " 1\n20 \n" + line(st(0x1010) + " 2"));
  // UTF-8 source becomes code page 932: "あ" is 0x82 0xA0.
  EXPECT_EQ(text_of("PRINT \"\xE3\x81\x82\""), line(st(0x1010) + " \"\x82\xA0\""));
  const auto sjis = tokenize("PRINT \"\x82\xA0\"", Encoding::kShiftJis);
  EXPECT_EQ(std::string(sjis.begin(), sjis.end()), line(st(0x1010) + " \"\x82\xA0\""));
}

TEST(TokenizerStatements, FilesAfterASeparatorOpensItsOwnLine) {
  // 0x10 0x3A carries ':' as its code byte, which only a line start passes unexamined.
  EXPECT_EQ(text_of("BEEP: FILES"), line(st(0x1070)) + line(st(0x103A)));
}

}  // namespace
}  // namespace tess::tok::testing
