#include "builtins/number_spelling.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace tess {
namespace {

// The integer digits of the largest double, a sign and a point, with room over.
constexpr std::size_t kIntegerRoom = 320;

}  // namespace

std::string fixed_notation(double value, int decimals, bool plus) {
  std::string out;
  if (plus && !std::signbit(value)) out += '+';
  if (std::isnan(value)) return out + "nan";
  if (std::isinf(value)) return out + (value < 0 ? "-inf" : "inf");
  std::vector<char> buffer(kIntegerRoom + static_cast<std::size_t>(decimals < 0 ? 0 : decimals));
  const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                               decimals < 0 ? 0 : decimals);
  return out.append(buffer.data(), r.ptr);
}

std::string unsigned_digits(uint32_t value, int base) {
  char buffer[16];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, base);
  std::string out(buffer, r.ptr);
  for (char& c : out)
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace tess
