#include "builtins/numeric_builtins.h"

#include <cmath>
#include <cstdint>

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/number_text.h"
#include "session/session.h"

namespace tess {
namespace {

// The argument of MAKELONG is searched for its comma this far.
constexpr std::size_t kSplitLimit = 8192;

double argument(Interpreter& in, std::string_view args) { return eval_number(in, args); }

std::string real(double value) { return number_text(value); }
std::string whole(double value) { return integer_text(integer_view(value)); }

// Nearest integer, halves upward.
double round_half_up(double x) {
  const double below = std::floor(x);
  return x - below >= 0.5 ? below + 1 : below;
}

}  // namespace

std::string fn_cdbl(Interpreter& in, std::string_view args) { return real(argument(in, args)); }
std::string fn_cint(Interpreter& in, std::string_view args) { return whole(round_half_up(argument(in, args))); }
std::string fn_csng(Interpreter& in, std::string_view args) { return short_number_text(argument(in, args)); }
std::string fn_abs(Interpreter& in, std::string_view args) { return real(std::fabs(argument(in, args))); }
std::string fn_atn(Interpreter& in, std::string_view args) { return real(std::atan(argument(in, args))); }
std::string fn_cos(Interpreter& in, std::string_view args) { return real(std::cos(argument(in, args))); }
std::string fn_exp(Interpreter& in, std::string_view args) { return real(std::exp(argument(in, args))); }
std::string fn_fix(Interpreter& in, std::string_view args) { return whole(std::trunc(argument(in, args))); }
std::string fn_int(Interpreter& in, std::string_view args) { return whole(std::floor(argument(in, args))); }
std::string fn_sin(Interpreter& in, std::string_view args) { return real(std::sin(argument(in, args))); }
std::string fn_tan(Interpreter& in, std::string_view args) { return real(std::tan(argument(in, args))); }

std::string fn_log(Interpreter& in, std::string_view args) {
  const double x = argument(in, args);
  if (x <= 0) raise_error(5, "Log: argument not above 0");
  return real(std::log(x));
}

std::string fn_sqr(Interpreter& in, std::string_view args) {
  const double x = argument(in, args);
  if (x < 0) raise_error(5, "Sqr: negative argument");
  return real(std::sqrt(x));
}

std::string fn_sgn(Interpreter& in, std::string_view args) {
  const double x = argument(in, args);
  return integer_text(x > 0 ? 1 : (x < 0 ? -1 : 0));
}

std::string fn_rnd(Interpreter& in, std::string_view args) {
  const int32_t n = integer_view(args.empty() ? 1.0 : argument(in, args));
  return short_number_text(in.session().random.next(n));
}

std::string fn_loword(Interpreter& in, std::string_view args) {
  return integer_text(integer_view(argument(in, args)) & 0xFFFF);
}

std::string fn_hiword(Interpreter& in, std::string_view args) {
  const auto bits = static_cast<uint32_t>(integer_view(argument(in, args)));
  return integer_text(static_cast<int32_t>(bits >> 16));
}

std::string fn_makelong(Interpreter& in, std::string_view args) {
  // The first comma outside parentheses; quotes do not count here.
  int depth = 0;
  std::size_t comma = std::string_view::npos;
  for (std::size_t i = 0; i < args.size() && i < kSplitLimit && comma == std::string_view::npos; ++i) {
    if (args[i] == '(') ++depth;
    else if (args[i] == ')') --depth;
    else if (args[i] == ',' && depth == 0) comma = i;
  }
  if (comma == std::string_view::npos) raise_error(5, "MAKELONG: no comma between low and high");
  const auto low = static_cast<uint32_t>(integer_view(argument(in, args.substr(0, comma))));
  const auto high = static_cast<uint32_t>(integer_view(argument(in, args.substr(comma + 1))));
  return integer_text(static_cast<int32_t>(high << 16 | (low & 0xFFFF)));
}

}  // namespace tess
