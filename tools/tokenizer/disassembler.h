// The disassembler: program text back to source that tokenises to the same text.
// Keywords, operator words and function names are spelled out; targets are shown
// as the label or line number they reach, loop targets as the loop words.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace tess::tok {

struct DumpError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Shift-JIS source text, one line per program line. Throws DumpError for text
// that no source can produce (an unknown code, a target that names no line).
std::string disassemble(std::string_view program_text);

// Argument text with operator and function tokens spelled out.
std::string render_arguments(std::string_view text);

}  // namespace tess::tok
