// String value text: strings travel escaped (0x01 0x01, 0x01 'D', 0x01 'Z',
// 0x01 'L') and are decoded only where their bytes are used.
#pragma once
#include <string>
#include <string_view>

namespace tess {

enum class Escape { None, One, Quote, Zero, Blank };

// Which escape stands at s[i] (which must hold 0x01).
Escape classify_escape(std::string_view s, std::size_t i);

// Bytes to value text; with quotes, wrapped in double quotes.
std::string encode(std::string_view bytes, bool quoted = false);
void encode_byte(unsigned char byte, std::string& out);

// Value text (without its quotes) to bytes. An escaped zero byte becomes a blank
// unless keep_zero_bytes. An unknown escape is a runtime error.
std::string decode(std::string_view value, bool keep_zero_bytes);

}  // namespace tess

namespace tess {

// Quote: text that does not begin with a double quote gets one before and after.
std::string quote(std::string_view text);

// Unquote: text that begins with a double quote becomes the bytes up to the next
// one (anything after it is dropped); other text is left as it is.
std::string_view unquote(std::string_view text);

// Upper-case, byte by byte, in place.
void upper_case(std::string& text);

}  // namespace tess
