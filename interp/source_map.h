// The source map: which source line and column each statement of a program text
// came from, so that a runtime error can point at the source. tessc writes it
// beside its output as NAME.map (text; format in docs/source-map.md); the
// runtime and tessrun read it when it matches the program text they run.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

struct SourceMapEntry {
  int32_t position = 0;  // program-text position of a statement's first byte (or its line's)
  int line = 0;          // 1-based source line
  int column = 0;        // 1-based source column
  int byte = 0;          // byte index of that column in the Shift-JIS line
};

struct SourceMap {
  std::string file;                     // the source file as named to tessc
  std::vector<std::string> lines;       // every source line, Shift-JIS
  std::vector<SourceMapEntry> entries;  // in position order
};

// FNV-1a, 64 bits, over the program text (the unscrambled text of the image).
uint64_t program_text_hash(std::span<const uint8_t> text);

std::string write_source_map(const SourceMap& map, uint64_t hash);
// Null when the text is no map or belongs to another program text.
std::optional<SourceMap> read_source_map(std::string_view text, uint64_t expected_hash);

// The entry for a statement at a position: the last one at or before it.
const SourceMapEntry* locate(const SourceMap& map, int32_t position);

// NAME.map for NAME.exe, NAME.img, NAME.bas, or NAME.map appended to an extensionless name.
std::string map_path_for(std::string_view program_path);

}  // namespace tess
