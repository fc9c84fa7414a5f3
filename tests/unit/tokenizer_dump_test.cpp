// The disassembler's listing tokenises back to the same program text, for the
// examples, the program tests and a set of tricky forms.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/unit/tokenizer_test_support.h"
#include "tools/tokenizer/disassembler.h"

namespace tess::tok::testing {
namespace {

void expect_round_trip(const std::string& source, const std::string& what) {
  const auto text = tokenize(source);
  const std::string listing = disassemble(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
  std::vector<uint8_t> again;
  try {
    again = tokenize(listing, Encoding::kShiftJis);
  } catch (const SourceError& e) {
    FAIL() << what << ": listing does not tokenise: " << e.line << ":" << e.column << ": " << e.message << "\n" << listing;
  }
  EXPECT_EQ(std::string(again.begin(), again.end()), std::string(text.begin(), text.end())) << what << "\n" << listing;
}

TEST(TokenizerDump, ListingShowsKeywordsOperatorsFunctionsAndTargets) {
  const auto text = tokenize("*top\nIF LEN(a$) > 2 AND NOT b THEN GOTO *top ELSE x = FN f(1)\nON KEY GOSUB *top,,*top");
  const std::string listing = disassemble(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
  EXPECT_EQ(listing,
            "*top\n"
            "IF LEN(a$)>2 AND NOT b THEN GOTO *top ELSE x=FN f(1)\n"
            "ON KEY GOSUB *top, , *top\n");
}

TEST(TokenizerDump, TrickyFormsRoundTrip) {
  const char* sources[] = {
      "FOR i=1 TO 3 STEP 2:FOR j=1 TO 2:PRINT i;j:NEXT j,i",
      "WHILE a<3:a=a+1:IF a=2 THEN EXIT WHILE\nWEND\nFOR k=1 TO 2\nEXIT FOR\nNEXT",
      "PRINT 1\nRUN",
      "*s\nRUN *s, ALL\nRUN ALL\nRUN",
      "10 DATA 1,2\nRESTORE 10\nRESTORE\n*d\nDATA 3\nRESTORE *d",
      "IF a THEN {\nPRINT 1\n} ELSE IF b THEN {\nPRINT 2\n} ELSE {\nPRINT 3\n}",
      "IF a THEN IF b THEN x=1 ELSE x=2 ELSE x=3",
      "IF a THEN 10 ELSE 20\n10 BEEP\n20 BEEP",
      "OPEN \"a.txt\" FOR APPEND AS #1:FIELD #1,10 AS a$,5 AS b$:NAME \"a\" AS \"b\"",
      "PRINT USING \"##\";x:PRINT #2,USING f$;y:LPRINT USING \"@\";a$",
      "LINE INPUT \"n\";n$:LINE (0,0)-STEP(5,5),2,BF:GET @(0,0)-(1,1),p:PUT (0,0),p,XOR",
      "DEFINT A-C,X:DEFSNG s:DEFSTR t-u",
      "DEF FNsq(x)=x*x:y=FNsq(2)+FN pi:MID$(a$,2)=\"q\"",
      "KEY ON:MOUSE(2) STOP:ON MOUSE(2) GOSUB *h:ON n GOTO *h,*h\n*h\nRETURN",
      "BEEP:FILES \"*\":CLS",
      "THREAD *t\n*t\nEND 2",
      "x = NOT 1 AND 2 OR 3 XOR 4 MOD 5:a$=LEFT$(\"abc\",2)+DATE$+SPC(2)",
      "PRINT \"\xE3\x81\x93\xE3\x82\x93\":x=1 ' comment",
  };
  for (const char* source : sources) expect_round_trip(source, source);
}

TEST(TokenizerDump, ExamplesAndProgramTestsRoundTrip) {
  namespace fs = std::filesystem;
  int count = 0;
  for (const char* dir : {"examples", "tests/programs"}) {
    const fs::path root = fs::path(TESS_SOURCE_DIR) / dir;
    if (!fs::exists(root)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      if (entry.path().extension() != ".bas") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      try {
        tokenize(source);
      } catch (const SourceError&) {
        continue;  // programs that test source errors
      }
      expect_round_trip(source, entry.path().string());
      ++count;
    }
  }
  EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace tess::tok::testing
