#include "files/record_layout.h"

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/file_number.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

constexpr std::string_view kMarker = "\x01s";

// Every "as" after a blank, tab or ')' and before a blank or tab becomes the
// marker; the blank before it is taken by the marker, a ')' stays.
std::string mark_as_words(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool word = i > 0 && i + 2 < text.size() && ascii_lower(text[i]) == 'a' && ascii_lower(text[i + 1]) == 's' &&
                      is_blank_or_tab(text[i + 2]) && (is_blank_or_tab(text[i - 1]) || text[i - 1] == ')');
    if (!word) {
      out += text[i];
      continue;
    }
    if (is_blank_or_tab(text[i - 1])) out.pop_back();
    out += kMarker;
    ++i;
  }
  return out;
}

}  // namespace

int64_t RecordLayout::record_length() const {
  int64_t length = 0;
  for (int32_t w : widths) length += w;
  return length;
}

std::vector<std::string> RecordLayout::field_names() const {
  if (names.empty()) return {};
  return split_at_commas(names);
}

int32_t RecordLayout::width_of(std::string_view name) const {
  const auto list = field_names();
  for (std::size_t i = 0; i < list.size() && i < widths.size(); ++i)
    if (list[i] == name) return widths[i];
  return -1;
}

std::vector<std::string> split_at_commas(std::string_view text) {
  std::vector<std::string> parts(1);
  int depth = 0;
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '(') ++depth;
    if (!quoted && c == ')') --depth;
    if (!quoted && depth == 0 && c == ',') {
      parts.emplace_back();
      continue;
    }
    parts.back() += c;
  }
  return parts;
}

FieldStatement parse_field_statement(std::string_view args) {
  const std::string text = strip_blanks(mark_as_words(args));
  FieldStatement statement;
  statement.number = file_number_prefix(text, "field");
  std::size_t i = text[0] == '#' ? 2 : 1;
  if (i < text.size() && text[i] == ',') ++i;
  if (i >= text.size()) return statement;
  for (const std::string& entry : split_at_commas(std::string_view(text).substr(i))) {
    const std::size_t marker = entry.find(kMarker);
    if (marker == std::string::npos) raise_error(1, "field: an entry without \"as\"");
    statement.entries.push_back({entry.substr(0, marker), entry.substr(marker + kMarker.size())});
  }
  return statement;
}

std::string fit_left(std::string_view bytes, std::size_t width) {
  std::string out(bytes.substr(0, width));
  out.resize(width, ' ');
  return out;
}

std::string fit_right(std::string_view bytes, std::size_t width) {
  if (bytes.size() >= width) return std::string(bytes.substr(0, width));
  return std::string(width - bytes.size(), ' ') + std::string(bytes);
}

}  // namespace tess
