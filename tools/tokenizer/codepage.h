// Conversions between UTF-8 and code page 932 for the tools: iconv on POSIX
// systems, the system's code-page functions on Windows.
#pragma once
#include <string>
#include <string_view>

namespace tess::tok {

// One UTF-8 character appended to out in code page 932; false when it has none.
bool utf8_char_to_cp932(std::string_view ch, std::string& out);

// Code page 932 text as UTF-8; a byte that does not convert is kept as it is.
std::string cp932_to_utf8_text(std::string_view bytes);

}  // namespace tess::tok
