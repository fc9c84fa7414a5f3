// Searches over the program text shared by the control-flow statements: targets,
// words, line ends and the block end.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "interp/program_text.h"

namespace tess {

inline bool is_blank(uint8_t c) { return c == ' ' || c == '\t'; }

// A hexadecimal position as "%x" reads it (leading blanks, optional 0x, digits up
// to the first other character; none gives 0). The text ffffffff is -1.
int32_t parse_position(std::string_view text);

// A target up to the first blank or comma, checked against the program text: a first
// byte of 0x80 or above, a text that is not one to eight hexadecimal digits
// (after an optional 0x), and a position outside -1 ... the text's length are
// error 3 naming the target. A corrupt target so ends the run at the statement
// that holds it instead of sending a runner walking from anywhere.
int32_t read_target(const ProgramText& program, std::string_view text);

// Does `word` (lower case) stand at text[i], letters in any case?
bool word_at(std::string_view text, std::size_t i, std::string_view word);
bool word_at(const ProgramText& text, int32_t pos, std::string_view word);

// The '\n' or terminator at or after pos.
int32_t line_end(const ProgramText& text, int32_t pos);

// The nearest position at or before pos holding '\n' or ':', or -2.
int32_t separator_before(const ProgramText& text, int32_t pos);

// pos moved over blanks and tabs.
int32_t skip_blanks(const ProgramText& text, int32_t pos);

// The block end from a position: the position just after the '}' of the closing
// line ("optional number, one blank, '}'") at depth 0, or nothing.
std::optional<int32_t> find_block_end(const ProgramText& text, int32_t from);

// "else" followed by a blank, tab or '{' at pos?
bool else_at(const ProgramText& text, int32_t pos);

}  // namespace tess
