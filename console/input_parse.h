// The text work of the input statements: prompts, variable lists, the typed
// values and the number read from a typed value.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tess {

// What to print before waiting (print-statement text, never ending the line) and
// the variable list that follows it.
struct InputPrompt {
  std::string print_text;
  std::string_view rest;
};

// The input statement's argument (blanks already stripped): a prompt up to the
// first ',' or ';' outside quotes when the text holds a double quote anywhere
// (error 1 when neither follows), else "? " before the whole text.
InputPrompt input_statement_prompt(std::string_view args);

// The line-input argument (blanks already stripped): a quoted prompt followed by
// ';' or ',' (else error 1), or none.
InputPrompt line_input_prompt(std::string_view args);

// Is the line statement's text the line-input form: the word input in any case
// followed by a blank, a tab or a double quote? Answers the text after the word.
bool is_line_input(std::string_view text, std::string_view& after_word);

// Names cut at every ',' outside parentheses; the list and each name are read up
// to 1024 bytes.
std::vector<std::string> split_names(std::string_view list);

// The typed line cut at every ',' (quotes give no protection).
std::vector<std::string_view> split_values(std::string_view line);

// The number at the start of a typed value: blanks skipped, an optional sign,
// digits with an optional decimal point and exponent; 0 when there is none.
double leading_number(std::string_view value);

}  // namespace tess
