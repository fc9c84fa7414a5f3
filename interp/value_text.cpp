#include "interp/value_text.h"

#include "interp/error.h"

namespace tess {

Escape classify_escape(std::string_view s, std::size_t i) {
  if (i + 1 >= s.size()) return Escape::None;
  switch (s[i + 1]) {
    case 0x01: return Escape::One;
    case 'D': return Escape::Quote;
    case 'Z': return Escape::Zero;
    case 'L': return Escape::Blank;
    default: return Escape::None;
  }
}

void encode_byte(unsigned char byte, std::string& out) {
  switch (byte) {
    case 0x00: out += "\x01Z"; break;
    case 0x01: out += "\x01\x01"; break;
    case '"': out += "\x01" "D"; break;
    default: out += static_cast<char>(byte);
  }
}

std::string encode(std::string_view bytes, bool quoted) {
  std::string out;
  out.reserve(bytes.size() + 2);
  if (quoted) out += '"';
  for (char c : bytes) encode_byte(static_cast<unsigned char>(c), out);
  if (quoted) out += '"';
  return out;
}

std::string decode(std::string_view value, bool keep_zero_bytes) {
  if (value.find('\x01') == std::string_view::npos) return std::string(value);  // no escapes: the bytes as they are
  std::string out;
  out.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != 0x01) {
      out += value[i];
      continue;
    }
    switch (classify_escape(value, i)) {
      case Escape::One: out += '\x01'; break;
      case Escape::Quote: out += '"'; break;
      case Escape::Zero: out += keep_zero_bytes ? '\0' : ' '; break;
      case Escape::Blank: out += ' '; break;
      case Escape::None: raise_error(1, "unknown value escape");
    }
    ++i;
  }
  return out;
}

}  // namespace tess

namespace tess {

std::string quote(std::string_view text) {
  if (!text.empty() && text[0] == '"') return std::string(text);
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  out += text;
  out += '"';
  return out;
}

std::string_view unquote(std::string_view text) {
  if (text.empty() || text[0] != '"') return text;
  const std::size_t close = text.find('"', 1);
  return text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
}

void upper_case(std::string& text) {
  // The C locale's toupper: only a to z change, so Shift-JIS bytes stay intact.
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

}  // namespace tess
