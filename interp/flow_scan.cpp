#include "interp/flow_scan.h"

#include <cctype>

#include "interp/error.h"
#include "interp/sjis.h"

namespace tess {
namespace {

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

int32_t parse_position(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i + 2 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X') && hex_digit(text[i + 2]) >= 0)
    i += 2;
  uint32_t value = 0;
  for (; i < text.size() && hex_digit(text[i]) >= 0; ++i) value = value * 16 + static_cast<uint32_t>(hex_digit(text[i]));
  return static_cast<int32_t>(value);
}

int32_t read_target(const ProgramText& program, std::string_view text) {
  constexpr int kBadTarget = 3;
  // A mouse handler holds a whole target list: its first target counts.
  const std::string_view target = text.substr(0, text.find_first_of(" ,"));
  if (!target.empty() && static_cast<uint8_t>(target[0]) >= 0x80) {
    std::string detail(target);
    detail[0] = static_cast<char>(detail[0] & 0x7F);
    raise_error(kBadTarget, detail);
  }
  std::size_t i = 0;
  if (target.size() > 2 && target[0] == '0' && (target[1] == 'x' || target[1] == 'X')) i = 2;
  const std::size_t digits = target.size() - i;
  bool hex = digits >= 1 && digits <= 8;
  for (std::size_t k = i; hex && k < target.size(); ++k) hex = hex_digit(target[k]) >= 0;
  if (!hex) raise_error(kBadTarget, "target '" + std::string(target) + "' is not a position");
  const int32_t pos = parse_position(target);
  if (pos < -1 || pos > program.length())
    raise_error(kBadTarget, "target '" + std::string(target) + "' is outside the program text");
  return pos;
}

bool word_at(std::string_view text, std::size_t i, std::string_view word) {
  if (i > text.size() || text.size() - i < word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(text[i + k])) != word[k]) return false;
  return true;
}

bool word_at(const ProgramText& text, int32_t pos, std::string_view word) {
  for (std::size_t k = 0; k < word.size(); ++k)
    if (std::tolower(text.at(pos + static_cast<int32_t>(k))) != word[k]) return false;
  return true;
}

int32_t line_end(const ProgramText& text, int32_t pos) {
  while (pos < text.length() && text.at(pos) != '\n' && !(pos >= 0 && text.at(pos) == 0)) ++pos;
  return pos < text.length() ? pos : text.length();
}

int32_t separator_before(const ProgramText& text, int32_t pos) {
  if (pos > text.length()) pos = text.length();
  while (pos > -2 && text.at(pos) != '\n' && text.at(pos) != ':') --pos;
  return pos < -2 ? -2 : pos;
}

int32_t skip_blanks(const ProgramText& text, int32_t pos) {
  while (is_blank(text.at(pos))) ++pos;
  return pos;
}

bool else_at(const ProgramText& text, int32_t pos) {
  const uint8_t after = text.at(pos + 4);
  return word_at(text, pos, "else") && (is_blank(after) || after == '{');
}

// Quoted mode ends with the line, as it does for the runner, so one line with an
// odd number of quotes cannot hide every later brace. The second byte of a
// double-byte character is never taken for a brace.
std::optional<int32_t> find_block_end(const ProgramText& text, int32_t from) {
  int depth = 1;
  bool quoted = false;
  for (int32_t pos = from < -1 ? -1 : from; pos < text.length(); ++pos) {
    const uint8_t c = text.at(pos);
    if (c == 0 && pos >= 0) return std::nullopt;
    if (c == '"') {
      quoted = !quoted;
    } else if (c == '{' && !quoted) {
      ++depth;
    } else if (sjis::is_lead_byte(c) && text.at(pos + 1) != '\n') {
      ++pos;
    } else if (text.is_line_end(pos)) {
      quoted = false;
      int32_t blank = pos + 1;
      while (blank < text.length() && !is_blank(text.at(blank)) && text.at(blank) != '\n') ++blank;
      if (blank >= text.length()) return std::nullopt;
      if (text.at(blank) == '\n' || text.at(blank + 1) != '}') continue;
      if (--depth == 0) return blank + 2;
    }
  }
  return std::nullopt;
}

}  // namespace tess
