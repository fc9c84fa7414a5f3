#include "console/text_layer.h"

#include <algorithm>
#include <cstring>

#include "interp/value_text.h"

namespace tess {
namespace {

constexpr std::size_t kWorkBuffer = TextLayer::kSize - 1;

// Plain text (no "\r", no escape, within the work buffer) is written as it
// stands: most prints are, and copying them twice showed in profiles.
bool needs_folding(std::string_view value_text) {
  if (value_text.size() > kWorkBuffer) return true;
  for (const char c : value_text)
    if (c == '\r' || c == '\x01') return true;
  return false;
}

}  // namespace

std::string fold_and_decode(std::string_view value_text) {
  std::string folded;
  folded.reserve(std::min(value_text.size(), kWorkBuffer));
  for (std::size_t i = 0; i < value_text.size() && folded.size() < kWorkBuffer; ++i) {
    if (value_text[i] == '\r' && i + 1 < value_text.size() && value_text[i + 1] == '\n') continue;
    folded += value_text[i];
  }
  // A cut that splits an escape pair drops its first half too.
  if (folded.size() == kWorkBuffer && folded.back() == '\x01') {
    std::size_t run = 0;
    for (auto it = folded.rbegin(); it != folded.rend() && *it == '\x01'; ++it) ++run;
    if (run % 2 == 1) folded.pop_back();
  }
  return decode(folded, false);
}

// Eight bytes at a time: the Windows runtime library's strnlen and memchr go a
// byte at a time, and the layout asks for the length at every write.
int TextLayer::length() const {
  constexpr uint64_t kOnes = 0x0101010101010101u, kHighs = 0x8080808080808080u;
  std::size_t i = 0;
  for (; i + 8 <= text_.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, text_.data() + i, sizeof word);
    if (((word - kOnes) & ~word & kHighs) != 0) break;  // a zero byte is among these eight
  }
  while (text_[i] != 0) ++i;  // the last byte is always zero
  return static_cast<int>(i);
}

void TextLayer::clear() {
  ++revision_;
  cursor = 0;
  text_[0] = 0;
}

void TextLayer::store(char c, uint32_t fg, uint32_t bg) {
  const auto i = static_cast<std::size_t>(cursor);
  text_[i] = c;
  fg_[i] = fg;
  bg_[i] = bg;
  ++cursor;
}

// Moves everything from the cursor (terminator included) right by count bytes,
// filling the gap with placeholders. What would pass the end of the layer is lost.
void TextLayer::open_gap(int count, uint32_t fg, uint32_t bg) {
  const int end = std::min(length() + 1, kSize);  // terminator included when it fits
  const int moved = std::max(0, std::min(end, kSize - count) - cursor);
  if (moved > 0) {
    std::memmove(&text_[static_cast<std::size_t>(cursor + count)], &text_[static_cast<std::size_t>(cursor)], static_cast<std::size_t>(moved));
    std::memmove(&fg_[static_cast<std::size_t>(cursor + count)], &fg_[static_cast<std::size_t>(cursor)], static_cast<std::size_t>(moved) * sizeof(uint32_t));
    std::memmove(&bg_[static_cast<std::size_t>(cursor + count)], &bg_[static_cast<std::size_t>(cursor)], static_cast<std::size_t>(moved) * sizeof(uint32_t));
  }
  const int gap_end = std::min(cursor + count, kSize);
  for (int i = cursor; i < gap_end; ++i) {
    text_[static_cast<std::size_t>(i)] = 'a';
    fg_[static_cast<std::size_t>(i)] = fg;
    bg_[static_cast<std::size_t>(i)] = bg;
  }
}

TextLayer::WriteResult TextLayer::write(std::string_view value_text, uint32_t fg, uint32_t bg, Stream stream) {
  WriteResult result;
  ++revision_;
  result.start = cursor;
  std::string folded;
  std::string_view input = value_text;
  if (needs_folding(value_text)) input = folded = fold_and_decode(value_text);
  if (!input.empty() && input.back() == '\n') {
    input.remove_suffix(1);
    result.ends_line = true;
  }
  const bool keep = stream == Stream::kKeep;

  // The logical line's start, for tab stops counted in bytes.
  int line_start = cursor;
  while (line_start > 0 && text_[static_cast<std::size_t>(line_start - 1)] != '\n') --line_start;

  bool append = false;
  std::string& out = result.expanded;
  if (keep) out.reserve(input.size());
  std::size_t next = 0;   // next input byte
  int pending_spaces = 0;  // the rest of an expanded tab
  auto remaining = [&] { return pending_spaces + static_cast<int>(input.size() - next); };

  while (cursor < kSize && remaining() > 0) {
    if (text_[static_cast<std::size_t>(cursor)] == 0) append = true;
    char c;
    if (pending_spaces > 0) {
      --pending_spaces;
      c = ' ';
    } else {
      c = input[next++];
      if (c == '\t') {
        pending_spaces = 7 - (cursor - line_start) % 8;
        c = ' ';
      }
    }
    if (!append && text_[static_cast<std::size_t>(cursor)] == '\n') open_gap(remaining() + 1, fg, bg);
    if (c == '\n') line_start = cursor + 1;
    store(c, fg, bg);
    if (keep) out += c;
  }
  // Whatever did not fit is dropped, but the stream still shows it as written.
  if (keep) {
    for (; pending_spaces > 0; --pending_spaces) out += ' ';
    for (; next < input.size(); ++next) out += input[next] == '\t' ? ' ' : input[next];
  }

  if (append) {
    if (result.ends_line && cursor < kSize) store('\n', fg, bg);
    if (cursor < kSize) text_[static_cast<std::size_t>(cursor)] = 0;
  } else if (result.ends_line) {
    while (cursor < kSize && text_[static_cast<std::size_t>(cursor)] != '\n' && text_[static_cast<std::size_t>(cursor)] != 0) ++cursor;
    if (cursor < kSize) {
      if (text_[static_cast<std::size_t>(cursor)] == 0) {
        store('\n', fg, bg);
        if (cursor < kSize) text_[static_cast<std::size_t>(cursor)] = 0;
      } else {
        ++cursor;
      }
    }
  }
  return result;
}

void TextLayer::erase_before_cursor(int count) {
  count = std::min(count, cursor);
  if (count <= 0) return;
  ++revision_;
  const int len = length();
  const int from = cursor, to = cursor - count;
  const auto rest = static_cast<std::size_t>(len - from);
  std::memmove(&text_[static_cast<std::size_t>(to)], &text_[static_cast<std::size_t>(from)], rest);
  std::memmove(&fg_[static_cast<std::size_t>(to)], &fg_[static_cast<std::size_t>(from)], rest * sizeof(uint32_t));
  std::memmove(&bg_[static_cast<std::size_t>(to)], &bg_[static_cast<std::size_t>(from)], rest * sizeof(uint32_t));
  text_[static_cast<std::size_t>(len - count)] = 0;
  cursor = to;
}

int TextLayer::insert(int pos, std::string_view bytes, uint32_t fg, uint32_t bg) {
  const int len = length();
  pos = std::clamp(pos, 0, len);
  const int count = std::min(static_cast<int>(bytes.size()), kSize - 1 - len);
  if (count <= 0) return 0;
  ++revision_;
  const auto rest = static_cast<std::size_t>(len - pos);
  const auto p = static_cast<std::size_t>(pos), q = static_cast<std::size_t>(pos + count);
  std::memmove(&text_[q], &text_[p], rest);
  std::memmove(&fg_[q], &fg_[p], rest * sizeof(uint32_t));
  std::memmove(&bg_[q], &bg_[p], rest * sizeof(uint32_t));
  for (int k = 0; k < count; ++k) {
    const auto i = p + static_cast<std::size_t>(k);
    text_[i] = bytes[static_cast<std::size_t>(k)];
    fg_[i] = fg;
    bg_[i] = bg;
  }
  text_[static_cast<std::size_t>(len + count)] = 0;
  return count;
}

int TextLayer::scroll_first_line() {
  ++revision_;
  const int len = length();
  const char* nl = static_cast<const char*>(std::memchr(text_.data(), '\n', static_cast<std::size_t>(len)));
  const int cut = nl ? static_cast<int>(nl - text_.data()) + 1 : len;
  const auto rest = static_cast<std::size_t>(len - cut);
  std::memmove(text_.data(), text_.data() + cut, rest);
  std::memmove(fg_.data(), fg_.data() + cut, rest * sizeof(uint32_t));
  std::memmove(bg_.data(), bg_.data() + cut, rest * sizeof(uint32_t));
  text_[rest] = 0;
  cursor = static_cast<int>(rest);
  return cut;
}

}  // namespace tess
