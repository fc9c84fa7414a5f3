// A reading position in one source line (Shift-JIS bytes).
#pragma once
#include <cctype>
#include <string>
#include <string_view>

#include "tools/tokenizer/source_error.h"
#include "tools/tokenizer/source_lines.h"

namespace tess::tok {

inline bool is_name_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
inline bool is_name_char(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.';
}
inline bool is_type_suffix(char c) { return c == '$' || c == '%' || c == '!' || c == '#'; }
inline bool is_blank(char c) { return c == ' ' || c == '\t'; }

class Cursor {
 public:
  explicit Cursor(const SourceLine& line) : line_(&line) {}

  bool at_end() const { return pos_ >= text().size(); }
  char peek(std::size_t ahead = 0) const {
    return pos_ + ahead < text().size() ? text()[pos_ + ahead] : '\0';
  }
  void advance(std::size_t n = 1) { pos_ = std::min(pos_ + n, text().size()); }
  std::size_t pos() const { return pos_; }
  void set_pos(std::size_t pos) { pos_ = pos; }
  std::string_view text() const { return line_->bytes; }
  std::string_view rest() const { return text().substr(pos_); }

  void skip_blanks() {
    while (!at_end() && is_blank(peek())) ++pos_;
  }

  // A keyword (upper case) at the cursor, in any letter case, not part of a longer name.
  bool word_is(std::string_view word) const {
    if (pos_ > 0 && is_name_char(text()[pos_ - 1]) && is_name_start(word[0])) return false;
    if (text().size() - pos_ < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
      if (std::toupper(static_cast<unsigned char>(text()[pos_ + i])) != word[i]) return false;
    const char after = pos_ + word.size() < text().size() ? text()[pos_ + word.size()] : '\0';
    return !(is_name_char(word.back()) && (is_name_char(after) || is_type_suffix(after)));
  }
  bool take_word(std::string_view word) {
    if (!word_is(word)) return false;
    advance(word.size());
    return true;
  }

  // A name: a letter or '_', name characters, an optional type suffix.
  std::string_view read_name() {
    const std::size_t start = pos_;
    if (at_end() || !is_name_start(peek())) return {};
    while (!at_end() && is_name_char(peek())) ++pos_;
    if (!at_end() && is_type_suffix(peek())) ++pos_;
    return text().substr(start, pos_ - start);
  }

  std::string_view read_digits() {
    const std::size_t start = pos_;
    while (!at_end() && std::isdigit(static_cast<unsigned char>(peek()))) ++pos_;
    return text().substr(start, pos_ - start);
  }

  // Nothing but a comment ("'" or REM) or blanks left?
  bool at_statement_end() {
    skip_blanks();
    return at_end() || peek() == '\'' || word_is("REM");
  }

  int line_number() const { return line_->number; }
  int column() const { return line_->column(pos_); }
  int column_at(std::size_t pos) const { return line_->column(pos); }
  SourceError error(std::string message) const { return {line_number(), column(), std::move(message)}; }
  SourceError error_at(std::size_t pos, std::string message) const {
    return {line_number(), column_at(pos), std::move(message)};
  }

 private:
  const SourceLine* line_;
  std::size_t pos_ = 0;
};

}  // namespace tess::tok
