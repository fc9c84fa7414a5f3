#include "builtins/string_builtins.h"

#include <array>
#include <cstdint>

#include "builtins/character_width.h"
#include "builtins/number_spelling.h"
#include "interp/number_text.h"
#include "builtins/string_to_number.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/sjis.h"
#include "interp/text_scan.h"
#include "interp/value_text.h"
#include "interp/variables.h"

namespace tess {
namespace {

constexpr bool kKeepZeros = true;
constexpr bool kZerosAsBlanks = false;

// The character-count function looks at this many bytes at most.
constexpr std::size_t kCountLimit = 8191;

// A repeated or blank string longer than this is refused instead of exhausting
// memory: nothing downstream (expressions, output) holds more than 8 KB anyway.
constexpr int64_t kLongestResult = 16 * 1024 * 1024;

struct Arguments {
  std::array<std::string, 4> text;
  int count = 0;
  std::string_view operator[](int i) const { return text[static_cast<std::size_t>(i)]; }
};

[[noreturn]] void fail(std::string_view function, std::string_view problem) {
  raise_error(5, std::string(function) + ": " + std::string(problem));
}

// The arguments split at top-level commas; their number must lie in [least, most].
Arguments take(std::string_view args, int least, int most, std::string_view function) {
  Arguments a;
  a.count = count_arguments(args);
  if (a.count < least || a.count > most) fail(function, "wrong number of arguments");
  std::size_t position = 0;
  for (int i = 0; i < a.count; ++i) position = split_argument(args, position, a.text[static_cast<std::size_t>(i)]);
  return a;
}

std::string bytes_of(Interpreter& in, std::string_view expr, bool keep_zeros) {
  return decode(eval_string(in, expr), keep_zeros);
}

int64_t whole_number(Interpreter& in, std::string_view expr) { return integer_view(eval_number(in, expr)); }

std::string quoted(std::string_view bytes) { return encode(bytes, true); }

std::size_t capped(int64_t count, std::size_t size) {
  return count < 0 ? 0 : std::min(static_cast<std::size_t>(count), size);
}

// Searches shared by Instr and KInstr: the 0-based start and the two texts.
struct Search {
  int64_t start = 0;
  std::string haystack;
  std::string needle;
};

Search search_arguments(Interpreter& in, std::string_view args, std::string_view function) {
  const Arguments a = take(args, 2, 3, function);
  Search s;
  const int first_text = a.count == 3 ? 1 : 0;
  if (a.count == 3) {
    s.start = whole_number(in, a[0]) - 1;
    if (s.start < 0) fail(function, "start below 1");
  }
  s.haystack = bytes_of(in, a[first_text], kZerosAsBlanks);
  s.needle = bytes_of(in, a[first_text + 1], kZerosAsBlanks);
  return s;
}

std::size_t find_from(const Search& s, std::size_t offset) {
  return offset > s.haystack.size() ? std::string::npos : s.haystack.find(s.needle, offset);
}

// A middle part: the text, the 1-based start and the optional length.
struct Middle {
  std::string owned;
  std::string_view bytes;  // owned, or a stored string variable's value
  int64_t start = 0;   // 0-based
  int64_t length = -1; // -1: to the end
};

// The text argument's bytes. A variable whose value holds no escape is its own
// bytes: read in place instead of copied twice (the value is not written while
// the other arguments, numbers, are evaluated).
void middle_text(Interpreter& in, std::string_view arg, Middle& m) {
  if (is_string_variable_name(arg)) {
    const std::string_view value = read_string(in, arg);
    if (value.find('\x01') == std::string_view::npos) {
      m.bytes = value;
      return;
    }
  }
  m.owned = bytes_of(in, arg, kKeepZeros);
  m.bytes = m.owned;
}

void middle_arguments(Interpreter& in, std::string_view args, std::string_view function, Middle& m) {
  const Arguments a = take(args, 2, 3, function);
  middle_text(in, a[0], m);
  m.start = whole_number(in, a[1]) - 1;
  if (m.start < 0) fail(function, "start below 1");
  if (a.count == 3) {
    m.length = whole_number(in, a[2]);
    if (m.length < 0) fail(function, "negative length");
  }
}

std::string repeated(std::string_view unit, int64_t count, std::string_view function) {
  if (count < 0) fail(function, "negative count");
  if (count * static_cast<int64_t>(unit.size()) > kLongestResult) fail(function, "result longer than 16 MB");
  std::string out = "\"";
  out.reserve(static_cast<std::size_t>(count) * unit.size() + 2);
  for (int64_t i = 0; i < count; ++i) out += unit;
  return out += '"';
}

}  // namespace

std::string fn_zen(Interpreter& in, std::string_view args) {
  return quoted(to_full_width(bytes_of(in, args, kKeepZeros)));
}

std::string fn_han(Interpreter& in, std::string_view args) {
  return quoted(to_half_width(bytes_of(in, args, kKeepZeros)));
}

std::string fn_asc(Interpreter& in, std::string_view args) {
  const std::string bytes = bytes_of(in, args, kKeepZeros);
  return integer_text(bytes.empty() ? 0 : static_cast<uint8_t>(bytes[0]));
}

std::string fn_chr(Interpreter& in, std::string_view args) {
  std::string out = "\"";
  encode_byte(static_cast<unsigned char>(whole_number(in, args) & 0xFF), out);
  return out += '"';
}

std::string fn_hex(Interpreter& in, std::string_view args) {
  return '"' + unsigned_digits(static_cast<uint32_t>(integer_view(eval_number(in, args))), 16) + '"';
}

std::string fn_oct(Interpreter& in, std::string_view args) {
  return '"' + unsigned_digits(static_cast<uint32_t>(integer_view(eval_number(in, args))), 8) + '"';
}

std::string fn_instr(Interpreter& in, std::string_view args) {
  const Search s = search_arguments(in, args, "Instr");
  if (s.needle.empty()) return integer_text(static_cast<int32_t>(s.start + 1));
  const std::size_t found = find_from(s, static_cast<std::size_t>(s.start));
  return integer_text(found == std::string::npos ? 0 : static_cast<int32_t>(found + 1));
}

std::string fn_kinstr(Interpreter& in, std::string_view args) {
  const Search s = search_arguments(in, args, "KInstr");
  if (s.needle.empty()) return integer_text(static_cast<int32_t>(s.start + 1));
  if (static_cast<uint64_t>(s.start) > sjis::char_count(s.haystack)) return integer_text(0);
  const std::size_t found = find_from(s, sjis::char_offset(s.haystack, static_cast<std::size_t>(s.start)));
  if (found == std::string::npos) return integer_text(0);
  return integer_text(static_cast<int32_t>(sjis::char_count(std::string_view(s.haystack).substr(0, found)) + 1));
}

std::string fn_klen(Interpreter& in, std::string_view args) {
  const std::string bytes = bytes_of(in, args, kZerosAsBlanks);
  return integer_text(static_cast<int32_t>(sjis::char_count(std::string_view(bytes).substr(0, kCountLimit))));
}

// A loop head like "FOR K = 1 TO LEN(S$)" asks for the length at every step:
// a plain variable is measured in place, as the middle part reads it.
std::string fn_len(Interpreter& in, std::string_view args) {
  Middle m;
  middle_text(in, args, m);
  return integer_text(static_cast<int32_t>(m.bytes.size()));
}

std::string fn_mid(Interpreter& in, std::string_view args) {
  Middle m;
  middle_arguments(in, args, "Mid$", m);
  const std::string_view bytes = m.bytes;
  if (static_cast<uint64_t>(m.start) >= bytes.size()) return quoted({});
  const std::string_view rest = bytes.substr(static_cast<std::size_t>(m.start));
  return quoted(rest.substr(0, m.length < 0 ? rest.size() : capped(m.length, rest.size())));
}

std::string fn_kmid(Interpreter& in, std::string_view args) {
  Middle m;
  middle_arguments(in, args, "KMid$", m);
  const std::string_view bytes = m.bytes;
  if (static_cast<uint64_t>(m.start) >= sjis::char_count(bytes)) return quoted({});
  const std::string_view rest = bytes.substr(sjis::char_offset(bytes, static_cast<std::size_t>(m.start)));
  if (m.length < 0) return quoted(rest);
  const std::size_t chars = capped(m.length, rest.size());
  return quoted(rest.substr(0, sjis::char_offset(rest, chars)));
}

std::string fn_left(Interpreter& in, std::string_view args) {
  const Arguments a = take(args, 2, 2, "Left$");
  const std::string bytes = bytes_of(in, a[0], kKeepZeros);
  return quoted(std::string_view(bytes).substr(0, capped(whole_number(in, a[1]), bytes.size())));
}

std::string fn_right(Interpreter& in, std::string_view args) {
  const Arguments a = take(args, 2, 2, "Right$");
  const std::string bytes = bytes_of(in, a[0], kKeepZeros);
  const int64_t count = whole_number(in, a[1]);
  if (count < 0) fail("Right$", "negative count");
  const std::size_t n = capped(count, bytes.size());
  return quoted(std::string_view(bytes).substr(bytes.size() - n));
}

std::string fn_space(Interpreter& in, std::string_view args) {
  return repeated(" ", whole_number(in, args), "Space$");
}

std::string fn_string(Interpreter& in, std::string_view args) {
  const Arguments a = take(args, 2, 2, "String$");
  const int64_t count = whole_number(in, a[0]);
  if (count < 0) fail("String$", "negative count");
  return repeated(eval_string(in, a[1]), count, "String$");
}

std::string fn_str(Interpreter& in, std::string_view args) {
  return '"' + display_form(number_text(eval_number(in, args) + 0.0)) + '"';
}

std::string fn_val(Interpreter& in, std::string_view args) {
  return number_text(string_to_number(eval_string(in, args)));
}

}  // namespace tess
