#include "console/format_using.h"

#include "console/number_field.h"
#include "interp/error.h"
#include "interp/sjis.h"

namespace tess {
namespace {

// The walk over the format stops here even when fields made the text longer.
constexpr std::size_t kWalkLimit = 8192;

// Bytes of the unit at i of an escaped value: an escape pair or a double-byte
// character is one unit, so a cut never separates its halves.
std::size_t unit_size(std::string_view value, std::size_t i) {
  if (value[i] == '\x01' && i + 1 < value.size()) return 2;
  return sjis::char_size(value, i);
}

// The string cut to width bytes without splitting a unit, padded with blanks.
std::string fit_to_width(std::string_view value, std::size_t width) {
  std::size_t taken = 0;
  while (taken < value.size()) {
    const std::size_t next = taken + unit_size(value, taken);
    if (next > width) break;
    taken = next;
  }
  std::string out(value.substr(0, taken));
  out.append(width - taken, ' ');
  return out;
}

// '&' field at i: up to the next '&' with only blanks between.
std::size_t text_field(std::string& w, std::size_t i, FieldItems& items) {
  const std::string value = items.next_string();
  std::size_t close = i + 1;
  while (close < w.size() && w[close] == ' ') ++close;
  if (close >= w.size() || w[close] != '&') raise_error(1, "using: '&' field without its closing '&'");
  const std::size_t width = close - i + 1;
  w.replace(i, width, fit_to_width(value, width));
  return i + width;
}

enum class Phase { Integer, Decimals, Carets };

// The field around the '#' at i: its start (a '.' or '+' before it belongs to
// it, the '+' turning into a position) and what it holds.
NumberField scan_number_field(std::string& w, std::size_t i, std::size_t& start, std::size_t& fixed_length) {
  NumberField field;
  start = i;
  if (start > 0 && w[start - 1] == '.') --start;
  if (start > 0 && w[start - 1] == '+') {
    --start;
    w[start] = '#';
    field.plus = true;
  }
  auto next_is = [&](std::size_t p, char c) { return p + 1 < w.size() && w[p + 1] == c; };
  std::size_t p = start;
  std::size_t fixed_end = std::string::npos;
  Phase phase = Phase::Integer;
  while (p < w.size()) {
    const char c = w[p];
    if (phase == Phase::Integer && c == '#') {
      ++field.integer_positions;
    } else if (phase == Phase::Integer && c == ',' && next_is(p, '#')) {
      ++field.integer_positions;
      field.commas = true;
    } else if (phase == Phase::Integer && c == '.' && next_is(p, '#')) {
      phase = Phase::Decimals;
    } else if (phase == Phase::Integer && c == '.' && next_is(p, '^')) {
      field.point_before_exponent = true;
      fixed_end = p;
      phase = Phase::Carets;
    } else if (phase == Phase::Decimals && c == '#') {
      ++field.decimals;
    } else if (phase != Phase::Carets && c == '^') {
      fixed_end = p;
      phase = Phase::Carets;
      continue;
    } else if (phase == Phase::Carets && c == '^') {
      ++field.carets;
    } else {
      break;
    }
    ++p;
  }
  field.length = p - start;
  fixed_length = (fixed_end == std::string::npos ? p : fixed_end) - start;
  return field;
}

std::size_t number_field(std::string& w, std::size_t i, FieldItems& items) {
  const double value = items.next_number();
  std::size_t start = 0;
  std::size_t fixed_length = 0;
  NumberField field = scan_number_field(w, i, start, fixed_length);
  std::string text;
  if (field.carets >= 4) {
    text = exponent_field(field, value);
  } else {
    // Fewer than four carets (and a point just before them) stay as plain text.
    field.length = fixed_length;
    field.carets = 0;
    field.point_before_exponent = false;
    text = fixed_field(field, value);
  }
  w.replace(start, field.length, text);
  return start + text.size();
}

}  // namespace

std::string format_fields(std::string w, FieldItems& items) {
  std::size_t i = 0;
  while (i < w.size() && i < kWalkLimit) {
    const char c = w[i];
    if (sjis::is_lead_byte(c)) {
      i += sjis::char_size(w, i);
    } else if (c == '@') {
      const std::string value = items.next_string();
      w.replace(i, 1, value);
      i += value.size();
    } else if (c == '&') {
      i = text_field(w, i, items);
    } else if (c == '#') {
      i = number_field(w, i, items);
    } else {
      ++i;
    }
  }
  return w;
}

}  // namespace tess
