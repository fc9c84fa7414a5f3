// Cutting the program text into statements: where a line's first statement
// begins, where a statement ends, and the statement's text.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "interp/program_text.h"

namespace tess {

// The line start at pc: a ':' keeps the counter on its last following blank, a
// line number and the character after it are skipped, any other first
// character is skipped. Answers where the statement begins; code_taken tells
// whether its code bytes are taken unexamined (even ':' or '"').
int32_t line_start(const ProgramText& text, int32_t pc, bool& code_taken);

// The statement's length from start: a '"' toggles quoted mode; the statement
// ends at a zero byte, at '\n', or at ':' outside quotes unless it begins with
// the conditional code.
std::size_t cut_length(const ProgramText& text, int32_t start, bool code_taken);

// The statement is the program text from its first byte up to where cutting
// stopped; only a statement running past the end of the text is copied (into
// storage).
std::string_view copied_text(const ProgramText& text, int32_t start, std::size_t length, std::string& storage);
inline std::string_view cut_text(const ProgramText& text, int32_t start, std::size_t length, std::string& storage) {
  if (start >= -ProgramText::kPrefix && int64_t{start} + static_cast<int64_t>(length) <= text.length())
    return {text.from(start).data(), length};  // inside the text, checked above
  return copied_text(text, start, length, storage);
}

// The cut length per statement start (and whether the code bytes of a line
// start were taken unexamined). Filled by every runner thread outside the
// interpreter lock, hence atomic; the text never changes.
class CutLengths {
 public:
  explicit CutLengths(std::size_t text_length);
  bool find(int32_t start, bool code_taken, std::size_t& length) const {
    if (start < 0 || static_cast<std::size_t>(start) >= lengths_.size()) return false;
    const uint32_t v = lengths_[static_cast<std::size_t>(start)].load(std::memory_order_relaxed);
    if (v == 0 || (v & 1) != static_cast<uint32_t>(code_taken)) return false;
    length = (v >> 1) - 1;
    return true;
  }
  void remember(int32_t start, bool code_taken, std::size_t length);

 private:
  std::vector<std::atomic<uint32_t>> lengths_;  // 0 unknown, else (length + 1) << 1 | code_taken
};

}  // namespace tess
