// Text between the program's code page 932 (Shift-JIS as Windows has it) and
// UTF-16, the same on every host and whatever the system's own code page.
// Windows' "A" functions make this conversion only on a system whose code page
// is 932; made here explicitly, for the "W" functions, text means the same on
// every system, and on a code page 932 system every byte stays as it was.
//
// To UTF-16:
//   - a lead byte (0x81-0x9F, 0xE0-0xFC) and the byte after it are one character;
//     a pair the code page leaves undefined becomes kNoCharacter (U+30FB), as
//     does a lead byte at the very end or before a zero byte (half a character;
//     the zero byte stays);
//   - the single bytes with no character of their own (0x80, 0xA0, 0xFD-0xFF)
//     keep the code page's placeholders (U+0080, U+F8F0-U+F8F3), so they come
//     back as the same bytes.
// From UTF-16:
//   - characters the code page holds twice (NEC and IBM extensions) take the
//     form the system itself chooses, and the code page's best-fit forms are
//     used (U+00A5 YEN SIGN becomes 0x5C);
//   - every other unit without a form becomes kNoForm ('?'), each half of a
//     surrogate pair too.
#pragma once
#include <string>
#include <string_view>

namespace tess::cp932 {

inline constexpr char16_t kNoCharacter = u'\u30FB';
inline constexpr char kNoForm = '?';

std::u16string to_utf16(std::string_view text);
std::string from_utf16(std::u16string_view text);

// The code page form of one UTF-16 unit: one or two bytes.
std::string form_of(char16_t unit);

// The longest start of the text that fits in limit bytes without cutting a
// double-byte character in half.
std::string_view first_bytes(std::string_view text, std::size_t limit);

}  // namespace tess::cp932
