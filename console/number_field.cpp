#include "console/number_field.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "builtins/number_spelling.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

// Scaling a value into its integer positions takes at most ~330 steps for any
// finite double; a field with more positions than a double has digits stops here.
constexpr int kMaxScaleSteps = 800;

// A ',' before every third integer digit from the point leftwards, never
// directly after the sign.
std::string group_thousands(std::string n) {
  std::size_t first = 0;
  while (first < n.size() && !is_digit(n[first])) ++first;
  std::size_t end = first;
  while (end < n.size() && is_digit(n[end])) ++end;
  for (std::size_t p = end; p > first + 3;) {
    p -= 3;
    n.insert(p, 1, ',');
  }
  return n;
}

std::string overflow(std::string text) { return "%" + text; }

// The mantissa's integer part: rounded when no decimals follow (non-negative
// values only), otherwise cut toward zero.
double integer_part(double x, int decimals) {
  if (x < 0) return std::trunc(x);
  const double whole = std::floor(x);
  return (decimals == 0 && x - whole >= 0.5) ? whole + 1 : whole;
}

std::string integer_digits(double whole, bool plus) {
  return fixed_notation(whole + 0.0, 0, plus);  // never "-0"
}

// The decimals of the mantissa after its point; nothing when the fraction
// rounds up to a whole unit (the caller carries).
std::optional<std::string> fraction_text(double v, const NumberField& field) {
  if (field.decimals == 0) return field.point_before_exponent ? "." : "";
  const double fraction = std::fabs(v - std::trunc(v));
  if (fraction == 0) return "." + std::string(static_cast<std::size_t>(field.decimals), '0');
  const std::string text = fixed_notation(fraction, field.decimals);
  if (text[0] != '0') return std::nullopt;
  return text.substr(1);
}

std::string zero_fraction(const NumberField& field) {
  return field.decimals == 0 ? (field.point_before_exponent ? "." : "")
                             : "." + std::string(static_cast<std::size_t>(field.decimals), '0');
}

// Integer positions filled with digits (the sign taking one when written):
// scale up while too short or below 1, then down while too long.
bool normalise(double& v, int& e, const NumberField& field) {
  const auto positions = static_cast<std::size_t>(field.integer_positions);
  auto digits = [&] { return integer_digits(integer_part(v, field.decimals), field.plus); };
  std::string s = digits();
  for (int step = 0; s.size() < positions || (v >= 0 && v < 1); ++step) {
    if (step == kMaxScaleSteps || !std::isfinite(v)) return false;
    v *= 10;
    --e;
    s = digits();
  }
  while (s.size() > positions) {
    v *= 0.1;
    ++e;
    s = digits();
  }
  return true;
}

// No integer digit: the magnitude scaled into [0.1, 1) by the same steps.
void normalise_fraction(double& a, int& e) {
  while (a < 1) {
    a *= 10;
    --e;
  }
  do {
    a *= 0.1;
    ++e;
  } while (std::trunc(a) != 0);
}

// The sign, then the digits right-aligned in carets - 2 positions filled with '0'.
std::string exponent_text(int e, int carets) {
  const std::string digits = std::to_string(std::abs(e));
  const auto width = static_cast<std::size_t>(carets - 2);
  const std::size_t zeros = digits.size() < width ? width - digits.size() : 0;
  return (e >= 0 ? "+" : "-") + std::string(zeros, '0') + digits;
}

// Mantissa of a field with no integer position for a digit: the sign (when
// written or negative), then the fraction.
std::string sign_only_mantissa(double value, const NumberField& field, int& e) {
  double a = std::fabs(value);
  std::optional<std::string> fraction;
  for (int pass = 0; pass < 3 && !fraction; ++pass) {
    if (pass > 0) a = std::trunc(a) + 1;  // carry
    normalise_fraction(a, e);
    fraction = fraction_text(a, field);
  }
  const char* sign = value < 0 ? "-" : (field.plus ? "+" : "");
  return sign + fraction.value_or(zero_fraction(field));
}

std::optional<std::string> digit_mantissa(double value, const NumberField& field, int& e) {
  double v = value;
  std::optional<std::string> fraction;
  for (int pass = 0; pass < 3 && !fraction; ++pass) {
    if (pass > 0) v = v >= 0 ? std::floor(v) + 1 : std::trunc(v) - 1;  // carry
    if (!normalise(v, e, field)) return std::nullopt;
    fraction = fraction_text(v, field);
  }
  return integer_digits(integer_part(v, field.decimals), field.plus) + fraction.value_or(zero_fraction(field));
}

}  // namespace

std::string fixed_field(const NumberField& field, double value) {
  std::string n = fixed_notation(value + 0.0, field.decimals, field.plus);
  if (field.commas) n = group_thousands(n);
  const std::size_t point = n.find('.');
  const std::size_t whole = point == std::string::npos ? n.size() : point;
  const auto positions = static_cast<std::size_t>(field.integer_positions);
  if (whole <= positions) return std::string(positions - whole, ' ') + n;
  const bool lone_zero = n[whole - 1] == '0' && (whole == 1 || (whole == 2 && (n[0] == '+' || n[0] == '-')));
  if (lone_zero) return n.erase(whole - 1, 1);
  return overflow(n);
}

std::string exponent_field(const NumberField& field, double value) {
  if (!std::isfinite(value)) return overflow(fixed_notation(value, 0));
  const int positions = field.integer_positions;
  const bool sign_only = positions == 0 || (positions == 1 && (field.plus || value < 0));
  int e = 0;
  std::string mantissa;
  if (value == 0) {
    const std::string sign = sign_only ? (field.plus ? "+" : "") : integer_digits(0, field.plus);
    mantissa = sign + zero_fraction(field);
  } else if (sign_only) {
    mantissa = sign_only_mantissa(value, field, e);
  } else if (auto digits = digit_mantissa(value, field, e)) {
    mantissa = *digits;
  } else {
    return overflow(fixed_notation(value, field.decimals, field.plus));
  }
  std::string result = mantissa + "E" + exponent_text(e, field.carets);
  if (result.size() > field.length) return overflow(result);
  result.insert(0, field.length - result.size(), ' ');
  return result;
}

}  // namespace tess
