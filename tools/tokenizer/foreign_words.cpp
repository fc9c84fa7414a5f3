#include "tools/tokenizer/foreign_words.h"

namespace tess::tok {
namespace {

struct ForeignWord {
  std::string_view word;
  const char* hint;
};

constexpr ForeignWord kForeignWords[] = {
    {"ERROR", "there is no error trapping: test values before using them"},
    {"RESUME", "there is no error trapping: test values before using them"},
    {"ERR", "there is no error trapping: test values before using them"},
    {"ERL", "there is no error trapping: test values before using them"},
    {"TIMER", "use TIME$ for the time of day"},
    {"SLEEP", "use WAIT milliseconds"},
    {"TAB", "use SPACE$(n) or LOCATE x, y"},
    {"SELECT", "use IF ... THEN { ... } ELSE { ... }"},
    {"CASE", "use IF ... THEN { ... } ELSE { ... }"},
    {"ELSEIF", "use ELSE IF ... THEN"},
    {"ENDIF", "close the block with '}': IF ... THEN { ... }"},
    {"DO", "use WHILE condition ... WEND"},
    {"LOOP", "use WHILE condition ... WEND"},
    {"UNTIL", "use WHILE NOT condition ... WEND"},
    {"SUB", "use a label and GOSUB *label ... RETURN"},
    {"FUNCTION", "use DEF FN name(parameters) = expression"},
    {"CALL", "use GOSUB *label"},
    {"CONST", "assign the value to a variable"},
    {"UCASE$", "there is no case conversion: convert with ASC, CHR$ and MID$"},
    {"LCASE$", "there is no case conversion: convert with ASC, CHR$ and MID$"},
    {"LTRIM$", "cut with INSTR, MID$, LEFT$ or RIGHT$"},
    {"RTRIM$", "cut with INSTR, MID$, LEFT$ or RIGHT$"},
    {"TRIM$", "cut with INSTR, MID$, LEFT$ or RIGHT$"},
    {"SCREEN", "use WINDOW for new windows and CLS to clear"},
};

}  // namespace

const char* foreign_word_hint(std::string_view upper_word) {
  for (const auto& row : kForeignWords)
    if (row.word == upper_word) return row.hint;
  return nullptr;
}

}  // namespace tess::tok
