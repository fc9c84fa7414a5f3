// Small argument readers shared by the graphics and window statements.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

class Interpreter;

// A numeric expression through its integer view.
int32_t eval_int(Interpreter& in, std::string_view expr);

// A string expression as plain bytes, an escaped zero byte becoming a blank.
std::string eval_plain_text(Interpreter& in, std::string_view expr);

// Every argument of the argument splitter, in order; empty text is one empty argument.
std::vector<std::string> split_all(std::string_view text);

// Cuts at commas outside parentheses, double quotes not considered; at most
// max_parts pieces, the last one holding the whole remaining text.
std::vector<std::string_view> cut_at_commas(std::string_view text, std::size_t max_parts);

// Case-insensitive comparison with a lower-case word.
bool is_word(std::string_view text, std::string_view lower_word);

// Runtime error 1 with a detail naming the statement.
[[noreturn]] void argument_error(std::string_view statement, std::string_view problem);

}  // namespace tess
