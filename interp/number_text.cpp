#include "interp/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "interp/evaluate.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

std::size_t write_general(double value, int precision, char* out) {
  const auto r = std::to_chars(out, out + kNumberTextMax, value, std::chars_format::general, precision);
  return static_cast<std::size_t>(r.ptr - out);
}

bool is_hex_digit(char c) { return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool is_octal_digit(char c) { return c >= '0' && c <= '7'; }

}  // namespace

std::size_t write_number(double value, char* out) { return write_general(value, 14, out); }
std::size_t write_short_number(double value, char* out) { return write_general(value, 6, out); }

std::size_t write_integer(int64_t value, char* out) {
  const auto r = std::to_chars(out, out + kNumberTextMax, value);
  return static_cast<std::size_t>(r.ptr - out);
}

std::string number_text(double value) {
  char buf[kNumberTextMax];
  return std::string(buf, write_number(value, buf));
}

std::string short_number_text(double value) {
  char buf[kNumberTextMax];
  return std::string(buf, write_short_number(value, buf));
}

std::string integer_text(int64_t value) {
  char buf[kNumberTextMax];
  return std::string(buf, write_integer(value, buf));
}

std::string display_form(std::string_view number) {
  const std::size_t sign = (!number.empty() && number[0] == '-') ? 1 : 0;
  if (number.size() > sign + 1 && number[sign] == '0' && number[sign + 1] == '.') {
    std::string out(number.substr(0, sign));
    out.append(number.substr(sign + 1));
    return out;
  }
  return std::string(number);
}

// Outside the 64-bit range (and for NaN) the truncating conversion of the x86
// family gives the lowest 64-bit integer, whose low 32 bits are 0.
double read_decimal(std::string_view token) {
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '-' || token[i] == '+')) negative = token[i++] == '-';
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < token.size() && is_digit(token[i])) ++i, ++digits;
  if (i < token.size() && token[i] == '.') {
    ++i;
    while (i < token.size() && is_digit(token[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;  // nothing converted: atof gives a plain zero
  if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < token.size() && (token[j] == '+' || token[j] == '-')) ++j;
    if (j < token.size() && is_digit(token[j])) {
      while (j < token.size() && is_digit(token[j])) ++j;
      i = j;
    }
  }
  const char* first = token.data() + start;
  const char* last = token.data() + i;
  double value = 0;
  auto r = std::from_chars(first, last, value, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // from_chars leaves the value alone; strtod gives infinity or the underflow.
    std::string copy(first, last);
    value = std::strtod(copy.c_str(), nullptr);
  }
  return negative ? -value : value;
}

double read_based(std::string_view token) {
  if (token.size() < 2) return 0;
  const char kind = token[1];
  int base;
  bool (*accepts)(char);
  if (kind == 'h' || kind == 'H') base = 16, accepts = is_hex_digit;
  else if (kind == 'o' || kind == 'O') base = 8, accepts = is_octal_digit;
  else return 0;
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  int64_t value = 0;
  for (std::size_t i = 2; i < token.size() && accepts(token[i]); ++i) {
    const char c = token[i];
    const int d = is_digit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
    value = value * base + d;
    if (value > kMax) return static_cast<double>(kMax);
  }
  return static_cast<double>(value);
}

}  // namespace tess
