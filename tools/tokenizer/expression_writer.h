// Writes argument text the way the handlers read it: blanks outside double
// quotes dropped, operator words as operator tokens, built-in function names as
// function tokens, user function calls (FN name) as the user-function token
// followed by the name.
#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/tokenizer/cursor.h"

namespace tess::tok {

// How the statement uses the names it holds, for the checks that follow a
// name from where it is set to where it is read.
enum class NameRole {
  kOther,       // a statement that may set its names (INPUT, READ, ...): counted as set
  kRead,        // only read (PRINT, IF, WHILE, ON)
  kAssignment,  // set before the first '=', read after it
  kDeclare,     // DIM: declares its arrays
};

// One name as written in the source.
struct NameUse {
  std::string name;      // case kept, without its type suffix
  std::string spelling;  // as written, for messages
  bool array = false;  // followed by '('
  bool set = false;    // set or declared here rather than read
  NameRole role = NameRole::kOther;
  SourceError where;
};

// What a source knows about its user functions: name -> parameter count.
using UserFunctions = std::map<std::string, int>;

struct ExpressionOptions {
  std::vector<std::string_view> stop_words;  // upper case; reading stops before them
  bool stop_at_else = false;                 // inside a one-line IF part
  const UserFunctions* user_functions = nullptr;  // names given by DEF FN
  NameRole role = NameRole::kOther;
  std::vector<NameUse>* names = nullptr;           // where each name is recorded
  std::vector<SourceError>* warnings = nullptr;    // probable mistakes
  const char* adjacent_message = nullptr;          // for two operands in a row (default below)
};

// Reads from the cursor to the end of the statement (':', a comment, the end of
// the line, ELSE when asked) or to a stop word, whichever comes first.
std::string write_expression(Cursor& c, const ExpressionOptions& options);

// Is the cursor (after blanks) at the end of the statement as write_expression sees it?
bool at_expression_end(Cursor& c, const ExpressionOptions& options);

std::string operator_token(char letter);
std::string function_token(uint16_t code);

}  // namespace tess::tok
