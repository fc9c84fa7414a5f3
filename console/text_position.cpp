#include "console/text_position.h"

#include <algorithm>
#include <string>

namespace tess {
namespace {

constexpr char kEscapedBlank[] = "\x01L";

bool is_escape_pair(const TextLayer& layer, int i) {
  if (layer.byte(i) != 0x01 || i + 1 >= TextLayer::kSize) return false;
  const uint8_t next = layer.byte(i + 1);
  return next == 0x01 || next == 'L' || next == 'D' || next == 'Z';
}

// Inserts up to `count` escaped blanks at pos (whole pairs only); answers the
// position after the last one inserted.
int pad(TextLayer& layer, int pos, int32_t count, uint32_t fg, uint32_t bg) {
  const int room_pairs = (TextLayer::kSize - 1 - layer.length()) / 2;
  const int pairs = static_cast<int>(std::min<int64_t>(count, room_pairs));
  std::string blanks;
  for (int k = 0; k < pairs; ++k) blanks += kEscapedBlank;
  return pos + layer.insert(pos, blanks, fg, bg);
}

}  // namespace

void position_cursor(TextLayer& layer, int32_t column, int32_t line, uint32_t fg, uint32_t bg) {
  column = std::max(column, 0);
  line = std::max(line, 0);
  int pos = 0;
  for (int32_t row = 0; row < line; ++row) {
    while (layer.byte(pos) != '\n' && layer.byte(pos) != 0) ++pos;
    if (layer.byte(pos) == 0) {
      // The text ends first: the missing lines, then the column as blanks.
      const int missing = static_cast<int>(std::min<int64_t>(line - row, TextLayer::kSize));
      const int end = layer.length();
      const int added = layer.insert(end, std::string(static_cast<std::size_t>(missing), '\n'), fg, bg);
      layer.cursor = added == missing ? pad(layer, end + added, column, fg, bg) : end + added;
      return;
    }
    ++pos;
  }
  for (int32_t col = 0; col < column; ++col) {
    const uint8_t b = layer.byte(pos);
    if (b == '\n' || b == 0) {
      layer.cursor = pad(layer, pos, column - col, fg, bg);
      return;
    }
    pos += is_escape_pair(layer, pos) ? 2 : 1;
  }
  layer.cursor = pos;
}

}  // namespace tess
