#include "tools/tokenizer/expression_writer.h"

#include <algorithm>
#include <cstring>

#include "interp/function_codes.h"
#include "interp/functions.h"
#include "interp/sjis.h"
#include "tools/tokenizer/foreign_words.h"
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
      if (at_expression_end(c_, options_)) {
        finish();
        return out_;
      }
      if (c_.pos() != before && operand_ && starts_operand())
        throw c_.error(options_.adjacent_message ? options_.adjacent_message : "expected an operator, ',' or ':'");
      step();
    }
  }

 private:
  struct OpenParen {
    std::size_t pos;
    std::string call;  // "ABS(" when the '(' opens a call's argument list
  };

  // An expression may not end inside parentheses or just after an operator.
  void finish() {
    no_dangling_operator();
    if (!open_.empty()) {
      const OpenParen& open = open_.back();
      throw c_.error_at(open.pos, (open.call.empty() ? std::string("'('") : open.call) + " without ')'");
    }
  }

  void no_dangling_operator() {
    if (!dangling_.empty()) throw c_.error("expected an operand after '" + dangling_ + "'");
  }

  void step() {
    const char ch = c_.peek();
    if (ch == '"') return string_literal();
    if (ch == '{' || ch == '}') throw c_.error(std::string("unexpected '") + ch + "'");
    if (is_name_start(ch)) return word();
    if (std::isdigit(static_cast<unsigned char>(ch)) || (ch == '.' && std::isdigit(static_cast<unsigned char>(c_.peek(1)))))
      return number();
    if (ch == '&' && std::strchr("HhOo", c_.peek(1)) && c_.peek(1) != '\0') return radix_number();
    punctuation(ch);
    const std::size_t size = sjis::is_lead_byte(ch) && c_.peek(1) != '\0' ? 2 : 1;
    out_.append(c_.rest().substr(0, size));
    operand_ = ch == ')';
    c_.advance(size);
  }

  // Parentheses must pair up; an operator needs an operand before the next
  // separator or closing parenthesis.
  void punctuation(char ch) {
    if (ch == ')' || ch == ',' || ch == ';') no_dangling_operator();
    if (ch == '(') open_.push_back({c_.pos(), operand_ ? last_call_ : std::string()});
    if (ch == ')') {
      if (open_.empty()) throw c_.error("')' without '('");
      open_.pop_back();
    }
    if (ch == '=' && open_.empty()) seen_equals_ = true;
    dangling_ = std::strchr("+-*/\\^=<>", ch) ? std::string(1, ch) : std::string();
    last_call_.clear();
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
    became_operand();
  }

  void became_operand() {
    operand_ = true;
    dangling_.clear();
    last_call_.clear();
  }

  void warn(SourceError warning) {
    if (options_.warnings) options_.warnings->push_back(std::move(warning));
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
    const std::string_view written = c_.text().substr(start, c_.pos() - start);
    if (std::count(written.begin(), written.end(), '.') > 1)
      warn(c_.error_at(start, "malformed number " + std::string(written)));
    out_.append(written);
    became_operand();
  }

  void radix_number() {
    const std::size_t start = c_.pos();
    c_.advance(2);
    while (std::isxdigit(static_cast<unsigned char>(c_.peek()))) c_.advance();
    out_.append(c_.text().substr(start, c_.pos() - start));
    became_operand();
  }

  void word() {
    const std::size_t start = c_.pos();
    const std::string_view name = c_.read_name();
    if (auto letter = operator_letter(name); letter && operator_applies(*letter)) {
      out_ += operator_token(*letter);
      operand_ = false;
      dangling_ = upper(name);
      return;
    }
    if (user_function_call(name, start)) return;
    if (auto code = function_code(name); code && *code != code_of(Fn::kUserFunction)) {
      out_ += function_token(*code);
      became_operand();  // a call without an argument list is a whole operand
      last_call_ = upper(name) + "(";
      return;
    }
    out_.append(name);
    became_operand();
    plain_name(name, start);
  }

  // A name that is a variable or an array: checked against other BASICs' words
  // and recorded for the checks made once the whole program is read.
  void plain_name(std::string_view name, std::size_t start) {
    const std::string key = upper(name);
    if (const char* hint = foreign_word_hint(key)) {
      warn(c_.error_at(start, std::string(name) + " is not a Tessaly word and is read as a variable; " + hint));
      return;
    }
    Cursor ahead = c_;
    ahead.skip_blanks();
    const bool array = ahead.peek() == '(';
    if (array) last_call_ = std::string(name) + "(";
    if (!options_.names) return;
    const bool set = options_.role == NameRole::kOther || options_.role == NameRole::kDeclare ||
                     (options_.role == NameRole::kAssignment && !seen_equals_);
    // Names are case-sensitive; a type suffix is left out, since a type letter
    // list may make "a" and "a%" one variable.
    std::string_view bare = name;
    if (!bare.empty() && is_type_suffix(bare.back())) bare.remove_suffix(1);
    options_.names->push_back({std::string(bare), std::string(name), array, set, options_.role, c_.error_at(start, "")});
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
    out_ += function_token(code_of(Fn::kUserFunction));
    out_ += name;
    Cursor ahead = c_;
    ahead.skip_blanks();
    if (ahead.peek() != '(') out_ += "()";  // the call's name must end at '('
    check_argument_count(name, ahead, start);
    became_operand();
    if (ahead.peek() == '(') last_call_ = "FN " + name + "(";
    return true;
  }

  void check_argument_count(const std::string& name, Cursor ahead, std::size_t start) {
    if (!options_.user_functions) return;
    const auto found = options_.user_functions->find(name);
    if (found == options_.user_functions->end()) return;
    const int given = argument_count(ahead);
    if (given < 0 || given == found->second) return;
    auto plural = [](int n) { return std::to_string(n) + (n == 1 ? " argument" : " arguments"); };
    warn(c_.error_at(start, "FN " + name + " takes " + plural(found->second) + ", given " + std::to_string(given)));
  }

  // The arguments of the list at the cursor ('(' or nothing); -1 when it never closes.
  static int argument_count(Cursor c) {
    if (c.peek() != '(') return 0;
    c.advance();
    c.skip_blanks();
    if (c.peek() == ')') return 0;
    int depth = 1, count = 1;
    bool quoted = false;
    for (; !c.at_end(); c.advance()) {
      const char ch = c.peek();
      if (ch == '"') quoted = !quoted;
      if (quoted) continue;
      if (ch == '(') ++depth;
      if (ch == ')' && --depth == 0) return count;
      if (ch == ',' && depth == 1) ++count;
    }
    return -1;
  }

  Cursor& c_;
  const ExpressionOptions& options_;
  std::string out_;
  bool operand_ = false;
  std::vector<OpenParen> open_;
  std::string dangling_;    // the operator just written, waiting for its operand
  std::string last_call_;   // "NAME(" when a '(' here would open NAME's list
  bool seen_equals_ = false;
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
