// The string built-ins, the full-width / half-width table and string-to-number.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "builtin_calls.h"
#include "builtins/character_width.h"
#include "builtins/string_builtins.h"
#include "builtins/string_to_number.h"
#include "interp/function_codes.h"
#include "interp/sjis.h"
#include "interp/statement_codes.h"
#include "program_runner.h"

namespace {

using namespace tess;
using StringBuiltins = tess::testing::BuiltinCalls;

// "あい" and "あいう" in code page 932.
const std::string kA = "\x82\xa0", kI = "\x82\xa2", kU = "\x82\xa4";

std::string q(const std::string& s) { return "\"" + s + "\""; }

TEST_F(StringBuiltins, Searches) {
  expect_results({
      {fn_instr, q("abcabc") + "," + q("c"), "3"},
      {fn_instr, "4," + q("abcabc") + "," + q("c"), "6"},
      {fn_instr, "5," + q("abcabc") + "," + q(""), "5"},
      {fn_instr, q("abcabc") + "," + q("z"), "0"},
      {fn_instr, "9," + q("abc") + "," + q("a"), "0"},
      {fn_instr, q(kA + kI + "a") + "," + q("a"), "5"},
      {fn_kinstr, q(kA + kI + "a") + "," + q("a"), "3"},
      {fn_kinstr, "2," + q(kA + kI + "a") + "," + q("a"), "3"},
      {fn_kinstr, "2," + q(kA + kI + kA) + "," + q(kA), "3"},
      {fn_kinstr, "4," + q(kA + kI + "a") + "," + q("a"), "0"},
      {fn_kinstr, "9," + q("abc") + "," + q(""), "9"},
  });
  for (auto f : {fn_instr, fn_kinstr})
    expect_errors(f, {"0," + q("abc") + "," + q("a"), q("abc"), "1," + q("a") + "," + q("a") + ",1",
                      q("a") + ")," + q("a")});
}

TEST_F(StringBuiltins, SearchesSeeZeroBytesAsBlanks) {
  expect_results({{fn_instr, q("a\x01Zb") + "," + q(" b"), "2"}});
}

TEST_F(StringBuiltins, MiddleParts) {
  expect_results({
      {fn_mid, q("abcdef") + ",3,2", "\"cd\""},
      {fn_mid, q("abcdef") + ",7", "\"\""},
      {fn_mid, q("abcdef") + ",2", "\"bcdef\""},
      {fn_mid, q("abcdef") + ",5,9", "\"ef\""},
      {fn_mid, q("a\x01Zb") + ",2,1", "\"\x01Z\""},
      {fn_kmid, q(kA + kI + kU) + ",2", q(kI + kU)},
      {fn_kmid, q(kA + kI + kU) + ",2,1", q(kI)},
      {fn_kmid, q(kA + kI + kU) + ",4", "\"\""},
      {fn_kmid, q("a" + kA + "b") + ",2,1", q(kA)},
      {fn_kmid, q("a" + kA + "b") + ",2,0", "\"\""},
  });
  for (auto f : {fn_mid, fn_kmid})
    expect_errors(f, {q("abcdef") + ",0", q("abcdef") + ",3,-1", q("abcdef"), q("abcdef") + ",1,1,1"});
}

TEST_F(StringBuiltins, LeftAndRight) {
  expect_results({
      {fn_left, q("abc") + ",5", "\"abc\""},
      {fn_left, q("abc") + ",2", "\"ab\""},
      {fn_left, q("abc") + ",-1", "\"\""},
      {fn_right, q("abc") + ",2", "\"bc\""},
      {fn_right, q("abc") + ",9", "\"abc\""},
      {fn_right, q("abc") + ",0", "\"\""},
      {fn_left, q("\x01" "Dx") + ",1", "\"\x01" "D\""},
  });
  expect_errors(fn_right, {q("abc") + ",-1", q("abc")});
  expect_errors(fn_left, {q("abc"), q("abc") + ",1,2"});
}

TEST_F(StringBuiltins, Lengths) {
  expect_results({
      {fn_len, q(kA + kI), "4"},
      {fn_klen, q(kA + kI), "2"},
      {fn_klen, q("a" + kA + "b"), "3"},
      {fn_len, q("a\x01Zb"), "3"},
      {fn_len, q(""), "0"},
  });
  // Only the first 8,191 bytes are counted in characters.
  EXPECT_EQ(call(fn_klen, q(std::string(9000, 'x'))), "8191");
}

TEST_F(StringBuiltins, CodesAndCharacters) {
  expect_results({
      {fn_chr, "34", "\"\x01" "D\""},
      {fn_chr, "0", "\"\x01Z\""},
      {fn_chr, "1", "\"\x01\x01\""},
      {fn_chr, "65+256", "\"A\""},
      {fn_asc, q("\x01" "D"), "34"},
      {fn_asc, q("\x01Z"), "0"},
      {fn_asc, q(""), "0"},
      {fn_asc, q(kA), "130"},
      {fn_hex, "255", "\"FF\""},
      {fn_hex, "-1", "\"FFFFFFFF\""},
      {fn_oct, "8", "\"10\""},
      {fn_oct, "-1", "\"37777777777\""},
  });
}

TEST_F(StringBuiltins, Repetitions) {
  expect_results({
      {fn_string, "3," + q("ab"), "\"ababab\""},
      {fn_string, "0," + q("ab"), "\"\""},
      {fn_string, "2," + q("\x01" "D"), "\"\x01" "D\x01" "D\""},
      {fn_space, "3", "\"   \""},
      {fn_space, "0", "\"\""},
  });
  expect_errors(fn_string, {"-1," + q("a"), "3", "3," + q("a") + ",1"});
  expect_errors(fn_space, {"-1", "2e9"});
}

TEST_F(StringBuiltins, NumbersAndText) {
  expect_results({
      {fn_str, "0.5", "\".5\""},
      {fn_str, "-0.25", "\"-.25\""},
      {fn_str, "100", "\"100\""},
      {fn_str, "0*-1", "\"0\""},
      {fn_val, q("12abc"), "12"},
      {fn_val, q("&hff"), "255"},
      {fn_val, q(" - 2.5 "), "-2.5"},
  });
}

TEST(StringToNumber, SpelledNumbers) {
  struct Case {
    const char* text;
    double value;
  };
  for (const Case& c : {Case{"12abc", 12}, Case{"&hff", 255}, Case{"&HFF", 255}, Case{"&o17", 15}, Case{"&O17", 15},
                        Case{"-&h10", 0}, Case{"1e5", 1}, Case{"1 2 3", 123}, Case{"\t-3.5", -3.5}, Case{"", 0},
                        Case{"--3", 0}, Case{"+4-", 4}, Case{"1.5.5", 1.5}, Case{"&hFFFFFFFF", 2147483647},
                        Case{"&h7FFFFFFFFFFFFFFFFF", 2147483647}, Case{"&o777", 511}, Case{"&o8", 0},
                        Case{"&x5", 0}, Case{"&h", 0}, Case{"\"7\"", 7}})
    EXPECT_EQ(string_to_number(c.text), c.value) << c.text;
}

TEST(CharacterWidth, DesignatedForms) {
  EXPECT_EQ(full_width_form(' '), 0x8140);
  EXPECT_EQ(full_width_form('!'), 0x8149);
  EXPECT_EQ(full_width_form('A'), 0x8260);
  EXPECT_EQ(full_width_form('a'), 0x8281);
  EXPECT_EQ(full_width_form('0'), 0x824F);
  EXPECT_EQ(full_width_form(0xDC), 0x838F);
  EXPECT_EQ(full_width_form(0xA6), 0x8392);  // wo
  EXPECT_EQ(full_width_form(0xDE), 0x814A);  // voiced sound mark
  EXPECT_EQ(full_width_form(0x7F), 0);
  EXPECT_EQ(full_width_form(0x0A), 0);
}

TEST(CharacterWidth, EverySingleByteFormIsDistinctAndConvertsBack) {
  std::set<uint16_t> seen;
  for (int b = 0; b < 256; ++b) {
    const uint16_t form = full_width_form(static_cast<uint8_t>(b));
    const bool has_form = (b >= 0x20 && b <= 0x7E) || (b >= 0xA1 && b <= 0xDF);
    EXPECT_EQ(form != 0, has_form) << b;
    if (!form) continue;
    EXPECT_TRUE(sjis::is_lead_byte(static_cast<uint8_t>(form >> 8))) << b;
    EXPECT_TRUE(seen.insert(form).second) << b;
    EXPECT_EQ(half_width_form(static_cast<uint8_t>(form >> 8), static_cast<uint8_t>(form & 0xFF)), b) << b;
  }
}

TEST(CharacterWidth, TextConversion) {
  EXPECT_EQ(to_full_width("A a!"), "\x82\x60\x81\x40\x82\x81\x81\x49");
  EXPECT_EQ(to_full_width(kA + "1"), kA + "\x82\x50");                  // double-byte kept
  EXPECT_EQ(to_half_width("\x82\x60" + kA + "\x83\x8f"), "A" + kA + "\xdc");
  EXPECT_EQ(to_half_width("\x83\x4b"), "\x83\x4b");                       // ga has no single byte
  EXPECT_EQ(to_half_width("\xee\xfc"), "\"");                             // the other full-width quote
  EXPECT_EQ(to_full_width(std::string("\x00\x0a", 2)), std::string("\x00\x0a", 2));
  EXPECT_EQ(to_half_width("\x82"), "\x82");                               // a lone lead byte at the end
}

TEST_F(StringBuiltins, WidthFunctionsKeepEscapes) {
  expect_results({
      {fn_zen, q("A\x01" "D"), q("\x82\x60\xfa\x57")},
      {fn_han, q("\x82\x60\xfa\x57"), q("A\x01" "D")},
      {fn_zen, q("\x01Z"), q("\x01Z")},
  });
}

TEST(StringBuiltinCalls, ThroughCallExpansion) {
  // LEFT$("abc",2); ASC(CHR$(34)); KMID$("あいう",2)
  const auto r = tess::testing::run_text(" " + code_bytes(Stmt::kPrint) + " " + function_token(Fn::kLeft) + "(\"abc\",2);" + function_token(Fn::kAsc) + "(" + function_token(Fn::kChr) + "(34));" +
                                         function_token(Fn::kKmid) + "(\"" + kA + kI + kU + "\",2)\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "ab  34 " + kI + kU + "\n");
}

}  // namespace
