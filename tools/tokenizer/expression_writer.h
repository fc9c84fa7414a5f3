// Writes argument text the way the handlers read it: blanks outside double
// quotes dropped, operator words as operator tokens, built-in function names as
// function tokens, user function calls (FN name) as the user-function token
// followed by the name.
#pragma once
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tokenizer/cursor.h"

namespace tess::tok {

struct ExpressionOptions {
  std::vector<std::string_view> stop_words;  // upper case; reading stops before them
  bool stop_at_else = false;                 // inside a one-line IF part
  const std::set<std::string>* user_functions = nullptr;  // names given by DEF FN
};

// Reads from the cursor to the end of the statement (':', a comment, the end of
// the line, ELSE when asked) or to a stop word, whichever comes first.
std::string write_expression(Cursor& c, const ExpressionOptions& options);

// Is the cursor (after blanks) at the end of the statement as write_expression sees it?
bool at_expression_end(Cursor& c, const ExpressionOptions& options);

std::string operator_token(char letter);
std::string function_token(uint16_t code);

}  // namespace tess::tok
