#include <cstdio>

#include "interp/host.h"

namespace tess {

// One line: number, detail, where, and the statement with its code bytes and
// control bytes made visible.
std::string Diagnostic::format() const {
  std::string out = "runtime error " + std::to_string(number);
  if (!detail.empty()) out += ": " + detail;
  out += " (";
  if (line_number >= 0) out += "line " + std::to_string(line_number) + ", ";
  out += "position " + std::to_string(position) + ") in: ";
  for (std::size_t i = 0; i < statement.size(); ++i) {
    const auto c = static_cast<unsigned char>(statement[i]);
    char buf[16];
    if ((c == 0x10 || c == 0x11) && i + 1 < statement.size()) {
      std::snprintf(buf, sizeof buf, "[%02X%02X]", c, static_cast<unsigned char>(statement[i + 1]));
      ++i;
    } else if (c < 0x20 || c == 0x7F) {
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
    } else {
      buf[0] = static_cast<char>(c), buf[1] = 0;
    }
    out += buf;
  }
  return out;
}

}  // namespace tess
