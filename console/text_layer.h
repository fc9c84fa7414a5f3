// The text layer every window carries: a byte grid of logical lines with a
// foreground and a background colour per byte, written at a cursor like a
// character screen.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

inline constexpr uint32_t kTransparent = 0xFFFFFFFF;

class TextLayer {
 public:
  static constexpr int kSize = 8192;

  struct WriteResult {
    int start = 0;          // cursor offset before the write
    std::string expanded;   // the input after folding, decoding and tab expansion
    bool ends_line = false;
  };

  // Whether a write hands back the stream form of what it wrote (`expanded`):
  // a screen without a transcript has no use for it.
  enum class Stream { kKeep, kDrop };

  // The write operation: store a value text at the cursor with the given colours.
  WriteResult write(std::string_view value_text, uint32_t foreground, uint32_t background,
                    Stream stream = Stream::kKeep);

  void clear();

  // Removes the first logical line (with all its wrapped rows) and puts the cursor
  // at the end of what is left. Used when the layout finds the text too tall.
  // Answers the number of bytes removed.
  int scroll_first_line();

  // Removes count bytes before the cursor (later bytes and both colour arrays
  // move left) and moves the cursor back; fewer when the cursor is nearer the start.
  void erase_before_cursor(int count);

  // Inserts bytes at pos, moving the rest right with its colours. The text never
  // grows past kSize - 1 bytes: what does not fit is not inserted. Answers the
  // number of bytes inserted.
  int insert(int pos, std::string_view bytes, uint32_t foreground, uint32_t background);

  int length() const;
  std::string_view text() const { return {text_.data(), static_cast<std::size_t>(length())}; }
  uint8_t byte(int i) const { return static_cast<uint8_t>(text_[static_cast<std::size_t>(i)]); }
  uint32_t foreground(int i) const { return fg_[static_cast<std::size_t>(i)]; }
  uint32_t background(int i) const { return bg_[static_cast<std::size_t>(i)]; }

  // Changes with every change of the text or its colours.
  uint64_t revision() const { return revision_; }

  int cursor = 0;

 private:
  void store(char c, uint32_t fg, uint32_t bg);
  void open_gap(int count, uint32_t fg, uint32_t bg);

  // One more byte than the layer holds: a zero that is never written, so every
  // walk over the text stops inside the arrays.
  std::array<char, kSize + 1> text_{};
  std::array<uint32_t, kSize> fg_{};
  std::array<uint32_t, kSize> bg_{};
  uint64_t revision_ = 0;
};

// The work-buffer stage of the write operation (CR LF folded, cut to what the work
// buffer holds, escapes decoded); exposed for the hosts' byte streams and tests.
std::string fold_and_decode(std::string_view value_text);

}  // namespace tess
