#include "builtins/character_width.h"

#include <array>

#include "interp/sjis.h"

namespace tess {
namespace {

// Double-byte forms of 0x20-0x7E: the ideographic space, the full-width Latin
// letters, digits and signs. The double and single quote take the full-width
// quotation marks of the IBM extension rows (0xFA57, 0xFA56).
constexpr std::array<uint16_t, 0x5F> kAsciiForms = {
    0x8140, 0x8149, 0xFA57, 0x8194, 0x8190, 0x8193, 0x8195, 0xFA56,  // 0x20-0x27
    0x8169, 0x816A, 0x8196, 0x817B, 0x8143, 0x817C, 0x8144, 0x815E,  // 0x28-0x2F
    0x824F, 0x8250, 0x8251, 0x8252, 0x8253, 0x8254, 0x8255, 0x8256,  // 0x30-0x37
    0x8257, 0x8258, 0x8146, 0x8147, 0x8183, 0x8181, 0x8184, 0x8148,  // 0x38-0x3F
    0x8197, 0x8260, 0x8261, 0x8262, 0x8263, 0x8264, 0x8265, 0x8266,  // 0x40-0x47
    0x8267, 0x8268, 0x8269, 0x826A, 0x826B, 0x826C, 0x826D, 0x826E,  // 0x48-0x4F
    0x826F, 0x8270, 0x8271, 0x8272, 0x8273, 0x8274, 0x8275, 0x8276,  // 0x50-0x57
    0x8277, 0x8278, 0x8279, 0x816D, 0x815F, 0x816E, 0x814F, 0x8151,  // 0x58-0x5F
    0x814D, 0x8281, 0x8282, 0x8283, 0x8284, 0x8285, 0x8286, 0x8287,  // 0x60-0x67
    0x8288, 0x8289, 0x828A, 0x828B, 0x828C, 0x828D, 0x828E, 0x828F,  // 0x68-0x6F
    0x8290, 0x8291, 0x8292, 0x8293, 0x8294, 0x8295, 0x8296, 0x8297,  // 0x70-0x77
    0x8298, 0x8299, 0x829A, 0x816F, 0x8162, 0x8170, 0x8160,  // 0x78-0x7E
};

// Double-byte forms of the half-width katakana 0xA1-0xDF: the Japanese
// punctuation, the katakana and the two sound marks (0x814A, 0x814B).
constexpr std::array<uint16_t, 0x3F> kKanaForms = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342,  // 0xA1-0xA8
    0x8344, 0x8346, 0x8348, 0x8383, 0x8385, 0x8387, 0x8362, 0x815B,  // 0xA9-0xB0
    0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E,  // 0xB1-0xB8
    0x8350, 0x8352, 0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E,  // 0xB9-0xC0
    0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B, 0x836C,  // 0xC1-0xC8
    0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E,  // 0xC9-0xD0
    0x8380, 0x8381, 0x8382, 0x8384, 0x8386, 0x8388, 0x8389, 0x838A,  // 0xD1-0xD8
    0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B,  // 0xD9-0xDF
};

// Other double-byte codes of the same full-width characters (the NEC-selected
// rows), which convert back as well.
struct AlternateForm {
  uint16_t code;
  uint8_t byte;
};
constexpr AlternateForm kAlternateForms[] = {{0xEEFC, 0x22}, {0xEEFB, 0x27}};

// Reverse lookup: half_width_table()[code - kFirstForm] is the byte + 1, or 0.
constexpr uint16_t kFirstForm = 0x8140;
constexpr uint16_t kLastForm = 0x83FF;

constexpr std::array<uint8_t, kLastForm - kFirstForm + 1> build_reverse() {
  std::array<uint8_t, kLastForm - kFirstForm + 1> table{};
  for (std::size_t i = 0; i < kAsciiForms.size(); ++i)
    if (kAsciiForms[i] >= kFirstForm && kAsciiForms[i] <= kLastForm)
      table[kAsciiForms[i] - kFirstForm] = static_cast<uint8_t>(0x20 + i + 1);
  for (std::size_t i = 0; i < kKanaForms.size(); ++i)
    table[kKanaForms[i] - kFirstForm] = static_cast<uint8_t>(0xA1 + i + 1);
  return table;
}

constexpr auto kReverse = build_reverse();

}  // namespace

uint16_t full_width_form(uint8_t byte) {
  if (byte >= 0x20 && byte <= 0x7E) return kAsciiForms[byte - 0x20];
  if (byte >= 0xA1 && byte <= 0xDF) return kKanaForms[byte - 0xA1];
  return 0;
}

int half_width_form(uint8_t lead, uint8_t trail) {
  const auto code = static_cast<uint16_t>(lead << 8 | trail);
  if (code >= kFirstForm && code <= kLastForm && kReverse[code - kFirstForm] != 0)
    return kReverse[code - kFirstForm] - 1;
  if (code == kAsciiForms[0x22 - 0x20]) return 0x22;
  if (code == kAsciiForms[0x27 - 0x20]) return 0x27;
  for (const auto& alternate : kAlternateForms)
    if (alternate.code == code) return alternate.byte;
  return -1;
}

std::string to_full_width(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t size = sjis::char_size(bytes, i);
    const uint16_t form = size == 1 ? full_width_form(static_cast<uint8_t>(bytes[i])) : 0;
    if (form != 0) {
      out += static_cast<char>(form >> 8);
      out += static_cast<char>(form & 0xFF);
    } else {
      out.append(bytes.substr(i, size));
    }
    i += size;
  }
  return out;
}

std::string to_half_width(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t size = sjis::char_size(bytes, i);
    const int form = size == 2 ? half_width_form(static_cast<uint8_t>(bytes[i]), static_cast<uint8_t>(bytes[i + 1])) : -1;
    if (form >= 0)
      out += static_cast<char>(form);
    else
      out.append(bytes.substr(i, size));
    i += size;
  }
  return out;
}

}  // namespace tess
