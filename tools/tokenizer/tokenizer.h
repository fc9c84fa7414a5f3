// The tokeniser: Tessaly source in, program text out.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "interp/source_map.h"
#include "tools/tokenizer/source_error.h"
#include "tools/tokenizer/source_lines.h"

namespace tess::tok {

// Throws SourceError for the first fault found.
std::vector<uint8_t> tokenize(std::string_view source, Encoding encoding = Encoding::kUtf8);

// The program text with what else the source tells: probable mistakes (in
// source order) and the source map (its file name left to the caller).
struct Tokenized {
  std::vector<uint8_t> text;
  std::vector<SourceError> warnings;
  SourceMap map;
};
Tokenized tokenize_program(std::string_view source, Encoding encoding = Encoding::kUtf8);

// The same, for a file; errors carry the file name in `file`.
struct FileError {
  std::string file;
  SourceError error;
  std::string text() const;  // file:line:column: message
};
std::variant<std::vector<uint8_t>, FileError> tokenize_file(const std::string& path, Encoding encoding);
std::variant<Tokenized, FileError> tokenize_program_file(const std::string& path, Encoding encoding);

}  // namespace tess::tok
