#include "startup/program_image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace tess {
namespace {

uint32_t read_be32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

void append_be32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

// A cursor over the payload that refuses to read past its end.
class PayloadReader {
 public:
  explicit PayloadReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  bool has(std::size_t n) const { return bytes_.size() - pos_ >= n; }
  uint8_t byte() { return bytes_[pos_++]; }
  std::span<const uint8_t> take(std::size_t n) {
    auto s = bytes_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  std::size_t remaining() const { return bytes_.size() - pos_; }

 private:
  std::span<const uint8_t> bytes_;
  std::size_t pos_ = 0;
};

// The lengths are stored as signed bytes; a negative one is a corrupt image.
std::variant<std::span<const uint8_t>, ImageError> read_short_field(PayloadReader& in,
                                                                    const char* what) {
  if (!in.has(1)) return ImageError{std::string("the program image ends before the ") + what + " length"};
  const auto n = static_cast<int8_t>(in.byte());
  if (n < 0) return ImageError{std::string("the program image has a negative ") + what + " length"};
  if (!in.has(static_cast<std::size_t>(n)))
    return ImageError{std::string("the ") + what + " runs past the end of the program image"};
  return in.take(static_cast<std::size_t>(n));
}

}  // namespace

void parse_font_text(std::string_view text, FontRecord& font) {
  std::string buf(text);
  const char* p = buf.c_str();
  long values[14] = {};
  int count = 0;
  while (count < 14) {
    char* end = nullptr;
    const long v = std::strtol(p, &end, 10);
    if (end == p) break;
    values[count++] = v;
    p = end;
  }
  auto i32 = [&](int i) { return static_cast<int32_t>(values[i]); };
  auto low = [&](int i) { return static_cast<uint8_t>(values[i] & 0xFF); };
  font.height = i32(0), font.width = i32(1), font.escapement = i32(2), font.orientation = i32(3);
  font.weight = i32(4), font.italic = low(5), font.underline = low(6), font.strike_out = low(7);
  font.char_set = low(8), font.out_precision = low(9), font.clip_precision = low(10);
  font.quality = low(11), font.pitch_and_family = low(12);
  font.point_size = i32(13);
}

std::string format_font_text(const FontRecord& f) {
  std::string s;
  for (long v : {long{f.height}, long{f.width}, long{f.escapement}, long{f.orientation},
                 long{f.weight}, long{f.italic}, long{f.underline}, long{f.strike_out},
                 long{f.char_set}, long{f.out_precision}, long{f.clip_precision},
                 long{f.quality}, long{f.pitch_and_family}, long{f.point_size}}) {
    if (!s.empty()) s += ' ';
    s += std::to_string(v);
  }
  return s;
}

FontRecord default_console_font() {
  FontRecord f;
  parse_font_text("16 0 0 0 400 0 0 0 128 0 0 0 49 10", f);  // SHIFTJIS_CHARSET, FIXED_PITCH|FF_MODERN, 10 pt
  static constexpr char kFace[] = "IPAGothic";
  std::copy(std::begin(kFace), std::end(kFace), f.face_name.begin());
  return f;
}

std::variant<ProgramImage, ImageError> parse_payload(std::span<const uint8_t> payload) {
  PayloadReader in(payload);
  ProgramImage image;

  auto face = read_short_field(in, "font face name");
  if (auto* e = std::get_if<ImageError>(&face)) return *e;
  auto face_bytes = std::get<std::span<const uint8_t>>(face);
  // LOGFONTA holds 31 characters and a terminator; a longer name is cut there.
  const std::size_t face_len = std::min<std::size_t>(face_bytes.size(), image.font.face_name.size() - 1);
  std::copy_n(face_bytes.begin(), face_len, image.font.face_name.begin());

  auto font_text = read_short_field(in, "font description");
  if (auto* e = std::get_if<ImageError>(&font_text)) return *e;
  auto ft = std::get<std::span<const uint8_t>>(font_text);
  parse_font_text(std::string_view(reinterpret_cast<const char*>(ft.data()), ft.size()), image.font);

  if (!in.has(1)) return ImageError{"the program image ends before the start-hidden flag"};
  image.start_hidden = in.byte() != 0;

  if (!in.has(4)) return ImageError{"the program image ends before the program text length"};
  const uint32_t length = read_be32(in.take(4).data());
  if (length > in.remaining())
    return ImageError{"the program text length (" + std::to_string(length) +
                      " bytes) runs past the end of the program image (" +
                      std::to_string(in.remaining()) + " bytes left)"};
  auto scrambled = in.take(length);
  image.text.resize(length);
  std::transform(scrambled.begin(), scrambled.end(), image.text.begin(),
                 [](uint8_t b) { return static_cast<uint8_t>(~b); });
  return image;
}

std::variant<ProgramImage, ImageError> parse_file_tail(std::span<const uint8_t> file) {
  if (file.size() < 4) return ImageError{"the file is too short to hold a program image"};
  const uint32_t n = read_be32(file.data() + file.size() - 4);
  if (n > file.size() - 4)
    return ImageError{"the program image length (" + std::to_string(n) +
                      " bytes) is larger than the file"};
  return parse_payload(file.subspan(file.size() - 4 - n, n));
}

std::vector<uint8_t> build_image(const FontRecord& font, bool start_hidden,
                                 std::span<const uint8_t> program_text) {
  std::vector<uint8_t> out;
  out.reserve(program_text.size() + 96);
  const std::string face(font.face_name.data(), ::strnlen(font.face_name.data(), font.face_name.size()));
  const std::string font_text = format_font_text(font);
  for (const std::string* field : {&face, &font_text}) {
    out.push_back(static_cast<uint8_t>(field->size()));
    for (char c : *field) out.push_back(static_cast<uint8_t>(c));
  }
  out.push_back(start_hidden ? 1 : 0);
  append_be32(out, static_cast<uint32_t>(program_text.size()));
  for (uint8_t b : program_text) out.push_back(static_cast<uint8_t>(~b));
  append_be32(out, static_cast<uint32_t>(out.size()));
  return out;
}

}  // namespace tess
