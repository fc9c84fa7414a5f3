#include "interp/source_map.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace tess {
namespace {

constexpr std::string_view kHeader = "tessaly-map 1";

std::string_view take_line(std::string_view& text) {
  const std::size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

bool starts_with(std::string_view line, std::string_view word) { return line.substr(0, word.size()) == word; }

}  // namespace

uint64_t program_text_hash(std::span<const uint8_t> text) {
  uint64_t h = 0xcbf29ce484222325ull;
  for (uint8_t b : text) h = (h ^ b) * 0x100000001b3ull;
  return h;
}

std::string write_source_map(const SourceMap& map, uint64_t hash) {
  char buf[64];
  std::string out(kHeader);
  std::snprintf(buf, sizeof buf, "\nhash %016" PRIx64 "\n", hash);
  out += buf;
  out += "file " + map.file + "\n";
  for (const auto& line : map.lines) out += "line " + line + "\n";
  for (const auto& e : map.entries) {
    std::snprintf(buf, sizeof buf, "at %d %d %d %d\n", static_cast<int>(e.position), e.line, e.column, e.byte);
    out += buf;
  }
  return out;
}

std::optional<SourceMap> read_source_map(std::string_view text, uint64_t expected_hash) {
  if (take_line(text) != kHeader) return std::nullopt;
  const std::string hash_line(take_line(text));
  uint64_t hash = 0;
  if (std::sscanf(hash_line.c_str(), "hash %" SCNx64, &hash) != 1 || hash != expected_hash) return std::nullopt;
  SourceMap map;
  while (!text.empty()) {
    const std::string_view line = take_line(text);
    if (starts_with(line, "file ")) {
      map.file = line.substr(5);
    } else if (starts_with(line, "line ")) {
      map.lines.emplace_back(line.substr(5));
    } else if (starts_with(line, "at ")) {
      SourceMapEntry e;
      int position = 0;
      if (std::sscanf(std::string(line).c_str(), "at %d %d %d %d", &position, &e.line, &e.column, &e.byte) != 4)
        return std::nullopt;
      e.position = position;
      map.entries.push_back(e);
    }
  }
  std::stable_sort(map.entries.begin(), map.entries.end(),
                   [](const SourceMapEntry& a, const SourceMapEntry& b) { return a.position < b.position; });
  return map;
}

const SourceMapEntry* locate(const SourceMap& map, int32_t position) {
  auto after = std::upper_bound(map.entries.begin(), map.entries.end(), position,
                                [](int32_t p, const SourceMapEntry& e) { return p < e.position; });
  if (after == map.entries.begin()) return nullptr;
  return &*(after - 1);
}

std::string map_path_for(std::string_view program_path) {
  const std::size_t slash = program_path.find_last_of("/\\");
  const std::size_t dot = program_path.rfind('.');
  const bool has_extension = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  return std::string(program_path.substr(0, has_extension ? dot : program_path.size())) + ".map";
}

}  // namespace tess
