// Fixed-width records: the field layout of a slot (variable names and byte
// widths), the field statement's syntax, and fitting a value into a field.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

// 255 width entries with the terminator, 1024 bytes of names with their zero.
inline constexpr std::size_t kMaxFields = 254;
inline constexpr std::size_t kMaxFieldNameBytes = 1023;

struct RecordLayout {
  std::string names;             // the field variables' names joined by ","
  std::vector<int32_t> widths;   // one per field, in order

  int64_t record_length() const;
  // The names split at "," outside parentheses (so a$(1,2) stays whole).
  std::vector<std::string> field_names() const;
  // The width of the field whose name equals name exactly, or -1.
  int32_t width_of(std::string_view name) const;
};

// One entry of a field statement before evaluation.
struct FieldEntry {
  std::string width_expression;
  std::string name;
};

struct FieldStatement {
  int number = 0;  // 1-9
  std::vector<FieldEntry> entries;
};

// "[#]n , width as name , width as name ...": the "as" words become markers,
// blanks outside quotes go, and the text is cut into entries. A bad file
// number or an entry without "as" is a runtime error.
FieldStatement parse_field_statement(std::string_view args);

// Cuts text at "," outside parentheses and double quotes.
std::vector<std::string> split_at_commas(std::string_view text);

// Field fitting of raw bytes: padded with blanks or cut to width.
std::string fit_left(std::string_view bytes, std::size_t width);
std::string fit_right(std::string_view bytes, std::size_t width);

}  // namespace tess
