#include "files/serial_settings.h"

#include <array>
#include <cstdio>

#include "interp/text_scan.h"

namespace tess {
namespace {

constexpr std::array<uint32_t, 15> kBaudTable = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                                 19200, 38400, 56000, 57600, 115200, 128000, 256000};

void apply_parity(char c, SerialSettings& s) {
  switch (ascii_lower(c)) {
    case 'e': s.parity = static_cast<uint8_t>(Parity::Even); break;
    case 'n': s.parity = static_cast<uint8_t>(Parity::None); break;
    case 'o': s.parity = static_cast<uint8_t>(Parity::Odd); break;
    default: break;
  }
}

void apply_data_bits(char c, SerialSettings& s) {
  if (c == '8' || c == '7') s.data_bits = static_cast<uint8_t>(c - '0');
}

void apply_stop_bits(char c, SerialSettings& s) {
  if (c >= '1' && c <= '3') s.stop_bits = c - '1';
}

// Flow-control letters are upper case only.
void apply_flow_control(char c, SerialSettings& s) {
  switch (c) {
    case 'N': s.xon_xoff = 0, s.rts_cts = 0; break;
    case 'X': s.xon_xoff = 1; break;
    case 'S': s.rts_cts = 1; break;
    case 'D': s.xon_xoff = 1, s.rts_cts = 1; break;
    default: break;
  }
}

}  // namespace

SerialSettings parse_serial_defaults(std::string_view value) {
  const std::string text(value);
  int v[7] = {};
  std::sscanf(text.c_str(), "%d %d %d %d %d %d %d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6]);
  SerialSettings s;
  s.port = static_cast<uint8_t>(v[0]);
  s.baud_index = v[1];
  s.data_bits = static_cast<uint8_t>(v[2]);
  s.parity = static_cast<uint8_t>(v[3]);
  s.stop_bits = v[4];
  s.xon_xoff = static_cast<uint8_t>(v[5]);
  s.rts_cts = static_cast<uint8_t>(v[6]);
  return s;
}

uint32_t baud_rate(int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kBaudTable.size()) return 9600;
  return kBaudTable[static_cast<std::size_t>(index)];
}

bool is_serial_name(std::string_view name) {
  if (name.find(':') == std::string_view::npos || name.size() < 3) return false;
  if (ascii_lower(name[0]) != 'c' || ascii_lower(name[1]) != 'o' || ascii_lower(name[2]) != 'm') return false;
  return name.size() == 3 || !is_letter(name[3]);
}

void apply_settings_string(std::string_view settings, SerialSettings& working) {
  using Apply = void (*)(char, SerialSettings&);
  constexpr std::array<Apply, 4> kByPosition = {apply_parity, apply_data_bits, apply_stop_bits, apply_flow_control};
  for (std::size_t i = 0; i < kByPosition.size() && i < settings.size(); ++i) kByPosition[i](settings[i], working);
}

SerialOpen parse_serial_name(std::string_view name, const SerialSettings& defaults) {
  constexpr std::size_t kSettingsLimit = 8191;
  SerialOpen result;
  const std::size_t colon = name.find(':', 3);
  result.port = std::string(name.substr(0, colon));
  const std::string_view settings =
      colon == std::string_view::npos ? std::string_view{} : name.substr(colon + 1).substr(0, kSettingsLimit);
  if (result.port.empty() || !is_digit(result.port.back())) result.port += std::to_string(defaults.port);
  result.settings = defaults;
  apply_settings_string(settings, result.settings);
  return result;
}

}  // namespace tess
