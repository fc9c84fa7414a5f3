// The code page 932 conversion: characters both ways, what becomes of bytes and
// units that have no counterpart, and that the program's bytes come back.
#include <gtest/gtest.h>

#include <string>

#include "interp/sjis.h"
#include "system/cp932.h"
#include "windows/char_messages.h"

namespace {

using tess::cp932::from_utf16;
using tess::cp932::kNoCharacter;
using tess::cp932::to_utf16;

// Every lead byte with every trail byte.
template <typename F>
void each_pair(F f) {
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!tess::sjis::is_lead_byte(static_cast<uint8_t>(lead))) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) f(std::string{static_cast<char>(lead), static_cast<char>(trail)});
  }
}

TEST(Cp932, JapaneseAsciiAndHalfWidthKatakana) {
  // "窓の題名" and "日本語のメッセージ"
  EXPECT_EQ(to_utf16("\x91\x8b\x82\xcc\x91\xe8\x96\xbc"), u"窓の題名");
  EXPECT_EQ(from_utf16(u"日本語のメッセージ"), "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x83\x81\x83\x62\x83\x5a\x81\x5b\x83\x57");
  EXPECT_EQ(to_utf16("C:\\a b~"), u"C:\\a b~");  // 0x5C is the backslash of paths, 0x7E the tilde
  EXPECT_EQ(to_utf16("\xb1\xdf"), u"\uFF71\uFF9F");
  EXPECT_EQ(from_utf16(u"\uFF71\uFF9F"), "\xb1\xdf");
  // A trail byte in the ASCII range belongs to its character, not to the path.
  EXPECT_EQ(to_utf16("\x95\x5c"), u"表");
  EXPECT_EQ(from_utf16(u"表"), "\x95\x5c");
}

TEST(Cp932, EveryDefinedCharacterComesBackAsTheSameCharacter) {
  int defined = 0, same_bytes = 0;
  each_pair([&](const std::string& pair) {
    const std::u16string unit = to_utf16(pair);
    ASSERT_EQ(unit.size(), 1u);
    if (unit[0] == kNoCharacter && pair != "\x81\x45") return;  // U+30FB's own code is 0x81 0x45
    ++defined;
    const std::string back = from_utf16(unit);
    EXPECT_EQ(to_utf16(back), unit) << std::hex << int(uint8_t(pair[0])) << " " << int(uint8_t(pair[1]));
    if (back == pair) ++same_bytes;
  });
  // JIS X 0208, the NEC and IBM extensions and the 1,880 user-defined characters.
  EXPECT_EQ(defined, 9604);
  // Characters held twice come back in the one form the system chooses.
  EXPECT_EQ(defined - same_bytes, 398);
}

TEST(Cp932, CharactersHeldTwiceTakeTheSystemsForm) {
  EXPECT_EQ(from_utf16(to_utf16("\x87\x9a")), "\x81\xe6");  // ∵: NEC row 13 gives way to JIS X 0208
  EXPECT_EQ(from_utf16(to_utf16("\xee\xef")), "\xfa\x40");  // ⅰ: NEC-selected IBM gives way to IBM
  EXPECT_EQ(from_utf16(to_utf16("\xf0\x40")), "\xf0\x40");  // user-defined characters are private-use
  EXPECT_EQ(to_utf16("\xf0\x40"), u"\uE000");
}

TEST(Cp932, BytesWithoutCharactersComeBackUnchanged) {
  for (const char* byte : {"\x80", "\xa0", "\xfd", "\xfe", "\xff"}) {
    const std::u16string unit = to_utf16(byte);
    ASSERT_EQ(unit.size(), 1u);
    EXPECT_NE(unit[0], kNoCharacter);
    EXPECT_EQ(from_utf16(unit), byte);
  }
}

TEST(Cp932, InvalidPairsAndHalfCharactersBecomeTheMiddleDot) {
  EXPECT_EQ(to_utf16("\x85\x40"), std::u16string(1, kNoCharacter));  // a pair the code page leaves empty
  EXPECT_EQ(to_utf16("\x81\x7f" "a"), std::u16string(1, kNoCharacter) + u"a");
  // A lead byte takes the byte after it, whatever that is.
  EXPECT_EQ(to_utf16("\x82\x20" "b"), std::u16string(1, kNoCharacter) + u"b");
  EXPECT_EQ(to_utf16("ab\x82"), u"ab" + std::u16string(1, kNoCharacter));  // half a character at the end
  EXPECT_EQ(to_utf16("\x82"), std::u16string(1, kNoCharacter));
  EXPECT_EQ(from_utf16(std::u16string(1, kNoCharacter)), "\x81\x45");
}

TEST(Cp932, UnitsWithoutAFormBecomeAQuestionMark) {
  EXPECT_EQ(from_utf16(u"\u20AC1"), "?1");                 // the euro sign
  EXPECT_EQ(from_utf16(u"a\u4E02b"), "a?b");               // a CJK character outside JIS X 0208
  EXPECT_EQ(from_utf16(u"\U0001F600"), "??");              // each half of a surrogate pair
  EXPECT_EQ(from_utf16(std::u16string(1, u'\xDC00')), "?");  // a lone surrogate
  // Best-fit forms where the code page has them.
  EXPECT_EQ(from_utf16(u"\u00A5\u00E9"), "\x5c" "e");
}

TEST(Cp932, FirstBytesNeverCutACharacterInHalf) {
  using tess::cp932::first_bytes;
  const std::string text = "a\x95\x5c" "b";  // a, 表 (its trail byte is a backslash), b
  EXPECT_EQ(first_bytes(text, 0), "");
  EXPECT_EQ(first_bytes(text, 1), "a");
  EXPECT_EQ(first_bytes(text, 2), "a");
  EXPECT_EQ(first_bytes(text, 3), "a\x95\x5c");
  EXPECT_EQ(first_bytes(text, 10), text);
  EXPECT_EQ(first_bytes("x\x82", 2), "x\x82");  // a lead byte at the end counts as one byte
}

TEST(Cp932, EmptyAndZeroBytes) {
  EXPECT_EQ(to_utf16(""), u"");
  EXPECT_EQ(from_utf16(u""), "");
  EXPECT_EQ(to_utf16(std::string_view("a\0b", 3)), std::u16string(u"a\0b", 3));
  // A zero byte is never the second half of a character.
  EXPECT_EQ(to_utf16(std::string_view("\x82\0", 2)), std::u16string(u"\u30FB\0", 2));
  EXPECT_EQ(from_utf16(std::u16string_view(u"a\0b", 3)), std::string("a\0b", 3));
}

}  // namespace

namespace {

using tess::code_page_wparams;

TEST(CharMessages, TypedCharactersArriveAsCodePageBytes) {
  EXPECT_EQ(code_page_wparams(tess::kCharMessage, 'q'), (std::vector<uint64_t>{'q'}));
  EXPECT_EQ(code_page_wparams(tess::kCharMessage, 0x3042), (std::vector<uint64_t>{0x82, 0xA0}));  // あ, lead byte first
  EXPECT_EQ(code_page_wparams(tess::kSysCharMessage, 0xFF71), (std::vector<uint64_t>{0xB1}));     // half-width ｱ
  EXPECT_EQ(code_page_wparams(tess::kCharMessage, 0x20AC), (std::vector<uint64_t>{'?'}));
  EXPECT_EQ(code_page_wparams(tess::kImeCharMessage, 0x3042), (std::vector<uint64_t>{0x82A0}));
  EXPECT_EQ(code_page_wparams(tess::kImeCharMessage, 'a'), (std::vector<uint64_t>{'a'}));
  // Other messages keep their wParam whole, high bits included.
  EXPECT_EQ(code_page_wparams(0x0100, 0x1234567890ULL), (std::vector<uint64_t>{0x1234567890ULL}));
}

}  // namespace
