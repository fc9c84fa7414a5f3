// Serial ports: how a file name names a port, the seven settings, their
// defaults (registry value or built-in), the settings string and the baud table.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

enum class Parity : uint8_t { None = 0, Odd = 1, Even = 2 };

// The seven settings in registry order, stored in the widths the value gives.
struct SerialSettings {
  uint8_t port = 1;
  int32_t baud_index = 6;
  uint8_t data_bits = 8;
  uint8_t parity = 0;      // 0 none, 1 odd, 2 even
  int32_t stop_bits = 0;   // 0 one, 1 one and a half, 2 two
  uint8_t xon_xoff = 1;
  uint8_t rts_cts = 0;
  bool operator==(const SerialSettings&) const = default;
};

// The defaults when the registry value is absent: port 1, 9600 baud, 8 data
// bits, no parity, one stop bit, XON/XOFF on, RTS/CTS off.
inline constexpr SerialSettings kBuiltinSerialDefaults{};

// The registry value "p b d y s x r" read as seven decimal integers; settings
// after the last number read stay 0.
SerialSettings parse_serial_defaults(std::string_view value);

// Bits per second of a baud-table index; any index outside the table is 9600.
uint32_t baud_rate(int32_t index);

// A name whose first three characters are "com" in any case, whose fourth is
// not a letter, and which holds a ':' somewhere.
bool is_serial_name(std::string_view name);

struct SerialOpen {
  std::string port;      // e.g. "com1"
  SerialSettings settings;
};

// The port name (cut at the first ':' from the fourth character on, the default
// port number appended when it ends without a digit) and the working settings:
// the defaults overridden by position from the settings string after the ':'.
SerialOpen parse_serial_name(std::string_view name, const SerialSettings& defaults);

// The first four characters of a settings string applied by position.
void apply_settings_string(std::string_view settings, SerialSettings& working);

}  // namespace tess
