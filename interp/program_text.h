// The program text buffer: 0x00 0xFF, the text, then zero bytes. Positions count
// from the first text byte, so position -1 (0xFF after 0x00) reads as a line end
// before the first line.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tess {

class ProgramText {
 public:
  static constexpr int32_t kPrefix = 2;
  static constexpr int32_t kPadding = 8;

  ProgramText() : ProgramText(std::span<const uint8_t>{}) {}
  explicit ProgramText(std::span<const uint8_t> text) : block_(text.size() + kPrefix + kPadding, 0) {
    block_[1] = 0xFF;
    std::copy(text.begin(), text.end(), block_.begin() + kPrefix);
    length_ = static_cast<int32_t>(text.size());
  }
  explicit ProgramText(std::string_view text)
      : ProgramText(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size())) {}

  int32_t length() const { return length_; }

  // The byte at a position; anything outside the buffer reads as the terminator,
  // so a corrupt jump target can never read out of bounds.
  uint8_t at(int32_t pos) const {
    const int64_t i = int64_t{pos} + kPrefix;
    return (i < 0 || i >= static_cast<int64_t>(block_.size())) ? 0 : block_[static_cast<std::size_t>(i)];
  }

  // Is the byte at pos a line end ('\n', or the 0xFF of the 0x00 0xFF prefix)?
  bool is_line_end(int32_t pos) const {
    const uint8_t c = at(pos);
    return c == '\n' || (c == 0xFF && at(pos - 1) == 0x00 && pos == -1);
  }

  // The text from a position to the terminator, for searches by handlers.
  std::string_view from(int32_t pos) const {
    if (pos < -kPrefix) pos = -kPrefix;
    if (pos > length_) pos = length_;
    const char* base = reinterpret_cast<const char*>(block_.data()) + kPrefix;
    return std::string_view(base + pos, static_cast<std::size_t>(length_ - pos));
  }

 private:
  std::vector<uint8_t> block_;
  int32_t length_ = 0;
};

// Is pos at or past the end of the text?
inline bool at_end(const ProgramText& text, int32_t pos) { return pos >= text.length(); }

}  // namespace tess
