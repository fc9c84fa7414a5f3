// Reading the program image: its fields, the unscrambling, and every way a
// truncated or corrupted image must be refused without reading past it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interp/statement_codes.h"
#include "startup/program_image.h"

namespace {

using tess::Stmt;
using tess::ImageError;
using tess::ProgramImage;

std::vector<uint8_t> bytes(std::string_view s) { return {s.begin(), s.end()}; }

std::vector<uint8_t> sample_image(std::string_view text, bool hidden = false) {
  auto t = bytes(text);
  return tess::build_image(tess::default_console_font(), hidden, t);
}

std::string error_of(const std::vector<uint8_t>& file) {
  auto parsed = tess::parse_file_tail(file);
  auto* e = std::get_if<ImageError>(&parsed);
  return e ? e->message : std::string();
}

TEST(ProgramImage, RoundTripsFontHiddenFlagAndText) {
  auto file = bytes("MZ pretend executable");
  auto image = sample_image(" " + code_bytes(Stmt::kPrint) + " \"hi\"\n", true);
  file.insert(file.end(), image.begin(), image.end());
  auto parsed = tess::parse_file_tail(file);
  ASSERT_TRUE(std::holds_alternative<ProgramImage>(parsed)) << error_of(file);
  const auto& p = std::get<ProgramImage>(parsed);
  EXPECT_TRUE(p.start_hidden);
  EXPECT_EQ(std::string(p.text.begin(), p.text.end()), " " + code_bytes(Stmt::kPrint) + " \"hi\"\n");
  EXPECT_STREQ(p.font.face_name.data(), tess::default_console_font().face_name.data());
  EXPECT_EQ(p.font.char_set, 128);
  EXPECT_EQ(p.font.height, tess::default_console_font().height);
}

TEST(ProgramImage, TextIsStoredComplemented) {
  auto image = sample_image("A");
  // payload ... L (4 bytes) ~'A', then the 4-byte trailer
  EXPECT_EQ(image[image.size() - 5], static_cast<uint8_t>(~'A'));
}

TEST(ProgramImage, FontTextFieldsTakeTheLowByteAndAMissingPointSizeIsZero) {
  tess::FontRecord f;
  tess::parse_font_text("-20 10 0 0 700 257 0 0 384 1 2 3 49", f);
  EXPECT_EQ(f.height, -20);
  EXPECT_EQ(f.weight, 700);
  EXPECT_EQ(f.italic, 1);
  EXPECT_EQ(f.char_set, 128);
  EXPECT_EQ(f.pitch_and_family, 49);
  EXPECT_EQ(f.point_size, 0);
}

TEST(ProgramImage, EmptyFaceNameAndEmptyText) {
  tess::FontRecord font;
  auto image = tess::build_image(font, false, {});
  auto parsed = tess::parse_file_tail(image);
  ASSERT_TRUE(std::holds_alternative<ProgramImage>(parsed));
  EXPECT_EQ(std::get<ProgramImage>(parsed).font.face_name[0], 0);
  EXPECT_TRUE(std::get<ProgramImage>(parsed).text.empty());
}

TEST(ProgramImage, RefusesBrokenImages) {
  const auto good = sample_image(" " + code_bytes(Stmt::kPrint) + " \"a program\"\n");
  struct Case {
    const char* what;
    std::vector<uint8_t> file;
    const char* message_part;
  };
  auto with_trailer = [&](uint32_t n) {
    auto f = good;
    for (int k = 0; k < 4; ++k) f[f.size() - 4 + k] = static_cast<uint8_t>(n >> (24 - 8 * k));
    return f;
  };
  auto with_byte = [&](std::size_t at, uint8_t v) {
    auto f = good;
    f[at] = v;
    return f;
  };
  const std::size_t text_length_field = good.size() - 4 - 14 - 4;
  std::vector<Case> cases = {
      {"shorter than a trailer", bytes("ab"), "too short"},
      {"trailer larger than the file", with_trailer(1000000), "larger than the file"},
      {"trailer of all ones", with_trailer(0xFFFFFFFF), "larger than the file"},
      {"empty payload", with_trailer(0), "ends before the font face name"},
      {"negative face length", with_byte(good.size() - 4 - (good.size() - 4), 0x80), "negative"},
      {"face name past the payload", with_byte(0, 0x7F), "runs past"},
      {"text length past the payload", with_byte(text_length_field, 0x7F), "runs past"},
      {"payload starting inside the text", with_trailer(3), "negative"},
      {"payload of one valid length byte", {0x00, 0, 0, 0, 1}, "ends before the font description length"},
      {"payload without the hidden flag", {0x00, 0x00, 0, 0, 0, 2}, "start-hidden flag"},
      {"payload without the text length", {0x00, 0x00, 0x01, 0, 0, 0, 3}, "ends before the program text length"},
  };
  for (const auto& c : cases) {
    const std::string message = error_of(c.file);
    EXPECT_NE(message.find(c.message_part), std::string::npos) << c.what << ": " << message;
  }
}

TEST(ProgramImage, TruncationAtEveryLengthIsRefusedOrConsistent) {
  const auto good = sample_image(" " + code_bytes(Stmt::kPrint) + " \"a program\"\n");
  for (std::size_t n = 0; n < good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    auto parsed = tess::parse_file_tail(cut);
    EXPECT_TRUE(std::holds_alternative<ImageError>(parsed)) << "cut at " << n;
  }
}

}  // namespace
