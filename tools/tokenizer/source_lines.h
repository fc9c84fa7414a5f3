// Source text split into lines of Shift-JIS bytes, each byte remembering the
// source column it came from, so that errors point into the file as written.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "tools/tokenizer/source_error.h"

namespace tess::tok {

struct SourceLine {
  int number = 0;            // 1-based line in the file
  std::string bytes;         // Shift-JIS, without the line end
  std::vector<int> columns;  // 1-based source column of each byte, plus one past the end
  int column(std::size_t i) const { return columns[i < columns.size() ? i : columns.size() - 1]; }
};

enum class Encoding { kUtf8, kShiftJis };

// Splits at '\n' (a '\r' before it is dropped). UTF-8 input is converted to code
// page 932; a byte sequence that is not UTF-8, or a character that code page 932
// lacks, throws a SourceError at its position.
std::vector<SourceLine> read_source_lines(std::string_view text, Encoding encoding);

}  // namespace tess::tok
