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
  Stmt code;
  std::string source;
  std::string expected;  // the whole program text
};

// Statements whose argument form is more than a comma list. Targets: "10 BEEP"
// on the first line is reached as ffffffff (the place before the first line).
std::vector<Case> special_forms() {
  const std::string beep10 = "10 " + st(Stmt::kBeep) + "\n";
  return {
      {Stmt::kPrint, "PRINT \"a\" ; b , c", line(st(Stmt::kPrint) + " \"a\";b,c")},
      {Stmt::kPrint, "?\"a\"", line(st(Stmt::kPrint) + " \"a\"")},
      {Stmt::kPrint, "PRINT USING \"##.#\"; x", line(st(Stmt::kPrint) + " using\"##.#\";x")},
      {Stmt::kPrint, "PRINT #1, USING f$; x", line(st(Stmt::kPrint) + " #1,using\"\"+f$;x")},
      {Stmt::kPrint, "PRINT", line(st(Stmt::kPrint))},
      {Stmt::kInput, "INPUT \"Name\"; a$, b", line(st(Stmt::kInput) + " \"Name\";a$,b")},
      {Stmt::kOpen, "OPEN \"a b.txt\" FOR Output AS #2", line(st(Stmt::kOpen) + " \"a b.txt\" for output as #2")},
      {Stmt::kOpen, "OPEN \"COM1:\" + s$ AS 1", line(st(Stmt::kOpen) + " \"COM1:\"+s$ as 1")},
      {Stmt::kKey, "KEY Stop", line(st(Stmt::kKey) + " stop")},
      {Stmt::kMouse, "MOUSE ( 2 ) ON", line(st(Stmt::kMouse) + " (2)on")},
      {Stmt::kLprint, "LPRINT USING \"@\"; a$", line(st(Stmt::kLprint) + " using\"@\";a$")},
      {Stmt::kField, "FIELD #1, 10 AS a$, n AS b$", line(st(Stmt::kField) + " #1,10 as a$,n as b$")},
      {Stmt::kRun, "10 BEEP\nRUN 10", " \n" + beep10 + line(st(Stmt::kRun) + " 1")},
      {Stmt::kIf, "IF a = 1 THEN BEEP", line(st(Stmt::kIf) + " a=1 then " + st(Stmt::kBeep))},
      {Stmt::kGoto, "10 BEEP\nGOTO 10", beep10 + line(st(Stmt::kGoto) + " ffffffff")},
      {Stmt::kGosub, "10 BEEP\nGOSUB 10", beep10 + line(st(Stmt::kGosub) + " ffffffff")},
      {Stmt::kReturn, "RETURN", line(st(Stmt::kReturn))},
      {Stmt::kOn, "10 BEEP\nON n GOTO 10, 10", beep10 + line(st(Stmt::kOn) + " n goto ffffffff,ffffffff")},
      {Stmt::kFor, "FOR i = 1 TO 2 : NEXT", line(st(Stmt::kFor) + " 1b i=1 to 2:" + st(Stmt::kNext) + " ffffffff")},
      {Stmt::kNext, "FOR i=1 TO 2\nNEXT i", line(st(Stmt::kFor) + " 1c i=1 to 2") + line(st(Stmt::kNext) + " ffffffff")},
      {Stmt::kExit, "WHILE 1:EXIT WHILE:WEND",
       line(st(Stmt::kWhile) + " 00000020 1:" + st(Stmt::kExit) + " 20:" + st(Stmt::kWend) + " ffffffff")},
      {Stmt::kWhile, "WHILE a < 3\nWEND", line(st(Stmt::kWhile) + " 0000001d a<3") + line(st(Stmt::kWend) + " ffffffff")},
      {Stmt::kWend, "WHILE 1:WEND", line(st(Stmt::kWhile) + " 0000001a 1:" + st(Stmt::kWend) + " ffffffff")},
      {Stmt::kThread, "10 BEEP\nTHREAD 10", beep10 + line(st(Stmt::kThread) + " ffffffff")},
      {Stmt::kName, "NAME \"a\" AS \"b\"", line(st(Stmt::kName) + " \"a\",\"b\"")},
      {Stmt::kFiles, "FILES \"*.*\"", line(st(Stmt::kFiles) + " \"*.*\"")},
      {Stmt::kDefint, "DEFSTR s-t, Z", line(st(Stmt::kDefint) + " s-t,Zstr")},
      {Stmt::kDefint, "DEFINT A", line(st(Stmt::kDefint) + " Aint")},
      {Stmt::kDefint, "DEFSNG a-b", line(st(Stmt::kDefint) + " a-bsng")},
      {Stmt::kData, "DATA 1, \"a b\", -2", line(st(Stmt::kData) + " 1,\"a b\",-2")},
      {Stmt::kRestore, "RESTORE", line(st(Stmt::kRestore))},
      {Stmt::kRestore, "10 BEEP\nRESTORE 10", beep10 + line(st(Stmt::kRestore) + " 0")},
      {Stmt::kDef, "DEF FNf(x, y) = x * y", line(st(Stmt::kDef) + " f(x,y)=x*y")},
      {Stmt::kDef, "DEF FN s$(a$)=a$+\"!\"", line(st(Stmt::kDef) + " s$(a$)=a$+\"!\"")},
      {Stmt::kMid, "MID$(a$, 2) = \"xy\"", line(st(Stmt::kMid) + " (a$,2)=\"xy\"")},
      {Stmt::kPut, "PUT (0, 0), p, XOR", line(st(Stmt::kPut) + " (0,0),p,XOR")},
      {Stmt::kGet, "GET #1, 2", line(st(Stmt::kGet) + " #1,2")},
      {Stmt::kGet, "GET @(0,0)-(9,9), p", line(st(Stmt::kGet) + " @(0,0)-(9,9),p")},
      {Stmt::kLine, "LINE (0, 0) - STEP (10, 10), 2, BF", line(st(Stmt::kLine) + " (0,0)-STEP(10,10),2,BF")},
      {Stmt::kLine, "LINE INPUT \"Name\"; n$", line(st(Stmt::kLine) + " input \"Name\";n$")},
      {Stmt::kLine, "LINE INPUT #1, n$", line(st(Stmt::kLine) + " input #1,n$")},
  };
}

TEST(TokenizerStatements, SpecialFormsGiveTheHandlersArgumentTexts) {
  for (const auto& c : special_forms()) EXPECT_EQ(text_of(c.source), c.expected) << c.source;
}

TEST(TokenizerStatements, EveryStatementCodeIsReachableFromSource) {
  std::set<uint16_t> special;
  for (const auto& c : special_forms()) special.insert(code_of(c.code));
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
  EXPECT_EQ(text_of("print Abc: Print aBC"), line(st(Stmt::kPrint) + " Abc:" + st(Stmt::kPrint) + " aBC"));
  EXPECT_EQ(text_of("x = 1"), line("x=1"));
  EXPECT_EQ(text_of("a$(i, 2) = \"p q\""), line("a$(i,2)=\"p q\""));
  EXPECT_EQ(text_of("let x=2"), line(st(Stmt::kLet) + " x=2"));
}

TEST(TokenizerStatements, EveryFunctionCodeIsReachableFromSource) {
  for (const auto& row : function_names()) {
    const std::string call = row.code == code_of(Fn::kUserFunction) ? "FN f(1)" : std::string(row.name) + "(1)";
    const std::string body = row.code == code_of(Fn::kUserFunction) ? "f(1)" : "(1)";
    EXPECT_EQ(text_of("x = " + call), line("x=" + fn(row.code) + body)) << call;
  }
}

TEST(TokenizerStatements, FunctionsWithoutArgumentsAliasesAndUserFunctions) {
  EXPECT_EQ(text_of("a$ = DATE$ + TIME$"), line("a$=" + fn(Fn::kDate) + "+" + fn(Fn::kTime)));
  EXPECT_EQ(text_of("a$ = spc(3)"), line("a$=" + fn(Fn::kSpace) + "(3)"));
  EXPECT_EQ(text_of("y = FNsq(2)\nDEF FNsq(x)=x*x"),
            line("y=" + fn(Fn::kUserFunction) + "sq(2)") + line(st(Stmt::kDef) + " sq(x)=x*x"));
  // A call without an argument list gets "()" so that the name ends there.
  EXPECT_EQ(text_of("y = FN pi * 2"), line("y=" + fn(Fn::kUserFunction) + "pi()*2"));
  // Without a DEF, FNAME is an ordinary name.
  EXPECT_EQ(text_of("fname = 1"), line("fname=1"));
  EXPECT_EQ(text_of("x = SQR(ABS(-4))"), line("x=" + fn(Fn::kSqr) + "(" + fn(Fn::kAbs) + "(-4))"));
}

TEST(TokenizerStatements, OperatorWordsBecomeTokensOnlyBetweenOperands) {
  EXPECT_EQ(text_of("x = 1 AND 2 OR 3 XOR 4 MOD 5"),
            line("x=1" + op('&') + "2" + op('|') + "3" + op('e') + "4" + op('m') + "5"));
  EXPECT_EQ(text_of("x = NOT a and not (b)"), line("x=" + op('!') + "a" + op('&') + op('!') + "(b)"));
  EXPECT_EQ(text_of("PUT (1,1), p, or"), line(st(Stmt::kPut) + " (1,1),p,or"));
  EXPECT_EQ(text_of("PUT (1,1), p, And"), line(st(Stmt::kPut) + " (1,1),p,And"));
  EXPECT_EQ(text_of("x = \"a and b\""), line("x=\"a and b\""));
  EXPECT_EQ(text_of("x = &hFF + 1e+5 + band"), line("x=&hFF+1e+5+band"));
}

TEST(TokenizerStatements, CommentsLineNumbersAndShiftJis) {
  EXPECT_EQ(text_of("' note\nREM note\n10 PRINT 1 ' note\n20 REM\nPRINT 2:REM x"),
            "10 " + st(Stmt::kPrint) + " 1\n20 \n" + line(st(Stmt::kPrint) + " 2"));
  // UTF-8 source becomes code page 932: "あ" is 0x82 0xA0.
  EXPECT_EQ(text_of("PRINT \"\xE3\x81\x82\""), line(st(Stmt::kPrint) + " \"\x82\xA0\""));
  const auto sjis = tokenize("PRINT \"\x82\xA0\"", Encoding::kShiftJis);
  EXPECT_EQ(std::string(sjis.begin(), sjis.end()), line(st(Stmt::kPrint) + " \"\x82\xA0\""));
}

TEST(TokenizerStatements, FilesAfterASeparatorOpensItsOwnLine) {
  // The list-files code carries ':' as its code byte, which only a line start passes unexamined.
  EXPECT_EQ(text_of("BEEP: FILES"), line(st(Stmt::kBeep)) + line(st(Stmt::kFiles)));
}

}  // namespace
}  // namespace tess::tok::testing
