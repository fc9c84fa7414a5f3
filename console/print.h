// The print statement's text: items with their separators and line end, or a
// using clause, sent to the current text window, a file slot, or returned.
#pragma once
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

// The print statement (and the input statements' prompts): the text goes to the
// current text window, or to the file slot of a "#n," prefix; returns "".
// In return mode (the printer statement) the text comes back decoded, zero
// bytes ending it, with its line end; a "#n" prefix is then a runtime error.
std::string print_text(Interpreter& in, std::string_view args, bool return_mode);

}  // namespace tess
