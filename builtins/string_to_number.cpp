#include "builtins/string_to_number.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "interp/text_scan.h"

namespace tess {
namespace {

constexpr std::size_t kScanLimit = 8192;

bool is_hex_letter(char c) { return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int base_selected_by(char c) {
  if (c == 'o' || c == 'O') return 8;
  if (c == 'h' || c == 'H') return 16;
  return 10;
}

bool belongs(char c, int base, bool& sign_seen) {
  if (is_digit(c)) return true;
  if (base == 16 && is_hex_letter(c)) return true;
  if (base == 10 && c == '.') return true;
  if ((c == '+' || c == '-') && !sign_seen) return sign_seen = true;
  return false;
}

// strtol with automatic base, saturating at the signed 32-bit limits whatever
// the width of long.
double to_int32(const std::string& text) {
  errno = 0;
  const long long value = std::strtoll(text.c_str(), nullptr, 0);
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<double>(value);
}

}  // namespace

double string_to_number(std::string_view text) {
  std::string cleaned;
  for (std::size_t i = 0; i < text.size() && i < kScanLimit; ++i)
    if (text[i] != ' ' && text[i] != '\t' && text[i] != '"') cleaned += text[i];

  int base = 10;
  std::size_t selector = cleaned.find('&');
  if (selector != std::string::npos && selector + 1 < cleaned.size()) base = base_selected_by(cleaned[selector + 1]);
  if (base == 10) selector = std::string::npos;

  std::string number;
  bool sign_seen = false;
  for (std::size_t i = 0; i < cleaned.size(); ++i) {
    if (i == selector) {
      ++i;  // '&' and its base letter
      continue;
    }
    if (!belongs(cleaned[i], base, sign_seen)) break;
    number += cleaned[i];
  }

  if (base == 10) return std::strtod(number.c_str(), nullptr);
  if (!number.empty() && number[0] == '-') return 0;
  return to_int32((base == 16 ? "0x" : "0") + number);
}

}  // namespace tess
