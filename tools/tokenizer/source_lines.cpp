#include "tools/tokenizer/source_lines.h"

#include "interp/sjis.h"
#include "tools/tokenizer/codepage.h"

namespace tess::tok {
namespace {

std::size_t utf8_length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

bool valid_utf8(std::string_view ch) {
  for (std::size_t i = 1; i < ch.size(); ++i)
    if ((static_cast<unsigned char>(ch[i]) & 0xC0) != 0x80) return false;
  return true;
}

void add_bytes(SourceLine& line, std::string_view bytes, int column) {
  line.bytes.append(bytes);
  line.columns.insert(line.columns.end(), bytes.size(), column);
}

SourceLine convert_utf8_line(std::string_view text, int number) {
  SourceLine line{number, {}, {}};
  int column = 1;
  if (number == 1 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // byte-order mark
  for (std::size_t i = 0; i < text.size(); ++column) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t len = utf8_length(lead);
    if (lead < 0x80) {
      add_bytes(line, text.substr(i, 1), column);
      ++i;
      continue;
    }
    if (len == 0 || i + len > text.size() || !valid_utf8(text.substr(i, len)))
      throw SourceError{number, column, "invalid UTF-8 byte sequence"};
    std::string converted;
    if (!utf8_char_to_cp932(text.substr(i, len), converted))
      throw SourceError{number, column, "character '" + std::string(text.substr(i, len)) + "' has no Shift-JIS code"};
    add_bytes(line, converted, column);
    i += len;
  }
  line.columns.push_back(column);
  return line;
}

SourceLine take_sjis_line(std::string_view text, int number) {
  SourceLine line{number, {}, {}};
  int column = 1;
  for (std::size_t i = 0; i < text.size(); ++column) {
    const std::size_t size = sjis::char_size(text, i);
    add_bytes(line, text.substr(i, size), column);
    i += size;
  }
  line.columns.push_back(column);
  return line;
}

}  // namespace

std::vector<SourceLine> read_source_lines(std::string_view text, Encoding encoding) {
  std::vector<SourceLine> lines;
  int number = 1;
  while (!text.empty() || lines.empty()) {
    std::size_t end = text.find('\n');
    std::string_view raw = text.substr(0, end);
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    lines.push_back(encoding == Encoding::kUtf8 ? convert_utf8_line(raw, number)
                                                : take_sjis_line(raw, number));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
    ++number;
  }
  return lines;
}

}  // namespace tess::tok
