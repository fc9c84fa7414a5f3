#include "files/record_layout.h"

#include "interp/error.h"
#include "interp/evaluate.h"

namespace tess {
namespace {

constexpr std::string_view kMarker = "\x01s";

bool is_blank(char c) { return c == ' ' || c == '\t'; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Every "as" after a blank, tab or ')' and before a blank or tab becomes the
// marker; the blank before it is taken by the marker, a ')' stays.
std::string mark_as_words(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool word = i > 0 && i + 2 < text.size() && lower(text[i]) == 'a' && lower(text[i + 1]) == 's' &&
                      is_blank(text[i + 2]) && (is_blank(text[i - 1]) || text[i - 1] == ')');
    if (!word) {
      out += text[i];
      continue;
    }
    if (is_blank(text[i - 1])) out.pop_back();
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
  std::size_t i = (!text.empty() && text[0] == '#') ? 1 : 0;
  if (i >= text.size() || text[i] < '1' || text[i] > '9') raise_error(5, "field: the file number must be 1 to 9");
  FieldStatement statement;
  statement.number = text[i] - '0';
  ++i;
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
