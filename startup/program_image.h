// The program image appended to the runtime executable, and its reader.
//
// File tail: payload (N bytes), then N as 4 bytes big-endian. Payload:
//   face-name length (signed byte), face name, font-text length (signed byte),
//   font text, start-hidden flag (byte), text length L (4 bytes big-endian),
//   L bytes of program text, each stored as its bitwise complement.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace tess {

// The thirteen numeric fields of a LOGFONTA plus the face name and the point size.
struct FontRecord {
  int32_t height = 0, width = 0, escapement = 0, orientation = 0, weight = 0;
  uint8_t italic = 0, underline = 0, strike_out = 0, char_set = 0;
  uint8_t out_precision = 0, clip_precision = 0, quality = 0, pitch_and_family = 0;
  std::array<char, 32> face_name{};  // zero-terminated, as in LOGFONTA
  int32_t point_size = 0;
};

struct ProgramImage {
  FontRecord font;
  bool start_hidden = false;
  std::vector<uint8_t> text;  // unscrambled program text, without prefix or terminator
};

struct ImageError {
  std::string message;  // names the problem, for the start-up message box
};

// Parses a payload (the N bytes before the length trailer).
std::variant<ProgramImage, ImageError> parse_payload(std::span<const uint8_t> payload);

// Parses the tail of a whole file: the trailer, then the payload it describes.
std::variant<ProgramImage, ImageError> parse_file_tail(std::span<const uint8_t> file);

// Builds the file tail for a program: what a packer appends to the runtime.
std::vector<uint8_t> build_image(const FontRecord& font, bool start_hidden,
                                 std::span<const uint8_t> program_text);

// Reads the font text ("h w esc orient weight italic ... pitch point") into the record.
void parse_font_text(std::string_view text, FontRecord& font);
std::string format_font_text(const FontRecord& font);

// The default console font: a fixed-pitch Japanese gothic, cell height 16,
// character set 128, printer point size 10.
FontRecord default_console_font();

}  // namespace tess
