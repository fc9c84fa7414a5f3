#include "tools/tokenizer/expression_writer.h"

#include <cstring>

#include "builtins/functions.h"
#include "interp/sjis.h"
#include "tools/tokenizer/keywords.h"

namespace tess::tok {

std::string operator_token(char letter) { return std::string{'\x01', letter}; }

std::string function_token(uint16_t code) {
  return std::string{'\x01', 'f', static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

namespace {

class ExpressionWriter {
 public:
  ExpressionWriter(Cursor& c, const ExpressionOptions& options) : c_(c), options_(options) {}

  std::string run() {
    for (;;) {
      const std::size_t before = c_.pos();
      if (at_expression_end(c_, options_)) return out_;
      if (c_.pos() != before && operand_ && starts_operand()) throw c_.error("expected an operator, ',' or ':'");
      step();
    }
  }

 private:
  void step() {
    const char ch = c_.peek();
    if (ch == '"') return string_literal();
    if (ch == '{' || ch == '}') throw c_.error(std::string("unexpected '") + ch + "'");
    if (is_name_start(ch)) return word();
    if (std::isdigit(static_cast<unsigned char>(ch)) || (ch == '.' && std::isdigit(static_cast<unsigned char>(c_.peek(1)))))
      return number();
    if (ch == '&' && std::strchr("HhOo", c_.peek(1)) && c_.peek(1) != '\0') return radix_number();
    const std::size_t size = sjis::is_lead_byte(ch) && c_.peek(1) != '\0' ? 2 : 1;
    out_.append(c_.rest().substr(0, size));
    operand_ = ch == ')';
    c_.advance(size);
  }

  // Two operands with only blanks between them: a missing operator or separator.
  // Operator words are names too, and a '(' after a name is its index list.
  bool starts_operand() const {
    const char ch = c_.peek();
    if (ch == '"' || std::isdigit(static_cast<unsigned char>(ch))) return true;
    if (!is_name_start(ch)) return false;
    Cursor ahead = c_;
    return !operator_letter(ahead.read_name());
  }

  void string_literal() {
    const std::size_t start = c_.pos();
    const std::size_t close = c_.text().find('"', start + 1);
    if (close == std::string_view::npos) throw c_.error("unterminated string");
    out_.append(c_.text().substr(start, close + 1 - start));
    c_.set_pos(close + 1);
    operand_ = true;
  }

  void number() {
    const std::size_t start = c_.pos();
    while (std::isdigit(static_cast<unsigned char>(c_.peek())) || c_.peek() == '.') c_.advance();
    const char e = c_.peek();
    const std::size_t digit = (c_.peek(1) == '+' || c_.peek(1) == '-') ? 2 : 1;
    if ((e == 'e' || e == 'E') && std::isdigit(static_cast<unsigned char>(c_.peek(digit)))) {
      c_.advance(digit);
      while (std::isdigit(static_cast<unsigned char>(c_.peek()))) c_.advance();
    }
    if (is_type_suffix(c_.peek()) && c_.peek() != '$') c_.advance();
    out_.append(c_.text().substr(start, c_.pos() - start));
    operand_ = true;
  }

  void radix_number() {
    const std::size_t start = c_.pos();
    c_.advance(2);
    while (std::isxdigit(static_cast<unsigned char>(c_.peek()))) c_.advance();
    out_.append(c_.text().substr(start, c_.pos() - start));
    operand_ = true;
  }

  void word() {
    const std::size_t start = c_.pos();
    const std::string_view name = c_.read_name();
    if (auto letter = operator_letter(name); letter && operator_applies(*letter)) {
      out_ += operator_token(*letter);
      operand_ = false;
      return;
    }
    if (user_function_call(name, start)) return;
    if (auto code = function_code(name); code && *code != kUserFunction) {
      out_ += function_token(*code);
      operand_ = true;  // a call without an argument list is a whole operand
      return;
    }
    out_.append(name);
    operand_ = true;
  }

  // and, or, xor, mod join two operands; not stands before one. Elsewhere (a
  // raster-operation word such as xor after a comma) the word stays a word.
  bool operator_applies(char letter) {
    if (letter != '!') return operand_;
    Cursor ahead = c_;
    ahead.skip_blanks();
    return !operand_ && !at_expression_end(ahead, options_) && ahead.peek() != ',' && ahead.peek() != ')';
  }

  bool user_function_call(std::string_view word, std::size_t start) {
    std::string name;
    if (upper(word) == "FN") {
      c_.skip_blanks();
      name = std::string(c_.read_name());
      if (name.empty()) throw c_.error("FN needs a function name");
    } else if (word.size() > 2 && upper(word.substr(0, 2)) == "FN" && options_.user_functions &&
               options_.user_functions->count(std::string(word.substr(2)))) {
      name = std::string(word.substr(2));
    } else {
      return false;
    }
    (void)start;
    out_ += function_token(kUserFunction);
    out_ += name;
    Cursor ahead = c_;
    ahead.skip_blanks();
    if (ahead.peek() != '(') out_ += "()";  // the call's name must end at '('
    operand_ = true;
    return true;
  }

  Cursor& c_;
  const ExpressionOptions& options_;
  std::string out_;
  bool operand_ = false;
};

}  // namespace

bool at_expression_end(Cursor& c, const ExpressionOptions& options) {
  c.skip_blanks();
  if (c.at_end() || c.peek() == ':' || c.peek() == '\'') return true;
  if (options.stop_at_else && c.word_is("ELSE")) return true;
  for (auto word : options.stop_words)
    if (c.word_is(word)) return true;
  return false;
}

std::string write_expression(Cursor& c, const ExpressionOptions& options) {
  return ExpressionWriter(c, options).run();
}

}  // namespace tess::tok
