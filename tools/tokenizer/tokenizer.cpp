#include "tools/tokenizer/tokenizer.h"

#include <fstream>
#include <iterator>

#include "tools/tokenizer/keywords.h"
#include "tools/tokenizer/tokenizer_state.h"

namespace tess::tok {
namespace {

constexpr uint16_t kFilesCode = 0x103A;

// A label's name runs to a blank, ':' or a comment.
std::string_view read_label_name(Cursor& c) {
  const std::size_t start = c.pos();
  while (!c.at_end() && !is_blank(c.peek()) && c.peek() != ':' && c.peek() != '\'' && c.peek() != ',') c.advance();
  return c.text().substr(start, c.pos() - start);
}

std::string line_number_key(std::string_view digits) {
  const std::size_t nonzero = digits.find_first_not_of('0');
  return nonzero == std::string_view::npos ? "0" : std::string(digits.substr(nonzero));
}

// The code 0x10 0x3A carries ':' as its second byte, which only a line start
// passes unexamined; such a statement must open its own line.
bool next_is_files(Cursor c) {
  c.skip_blanks();
  auto code = statement_code(c.read_name());
  return code && *code == kFilesCode;
}

// User function names, collected first so that FNname is known before its DEF.
std::set<std::string> defined_user_functions(const std::vector<SourceLine>& lines) {
  std::set<std::string> names;
  for (const auto& line : lines) {
    Cursor c(line);
    bool quoted = false;
    while (!c.at_end()) {
      if (c.peek() == '"') quoted = !quoted;
      if (!quoted && c.take_word("DEF")) {
        c.skip_blanks();
        std::string_view name = c.read_name();
        if (upper(name) == "FN") {
          c.skip_blanks();
          name = c.read_name();
        } else if (name.size() > 2 && upper(name.substr(0, 2)) == "FN") {
          name.remove_prefix(2);
        } else {
          continue;
        }
        if (!name.empty()) names.insert(std::string(name));
        continue;
      }
      c.advance();
    }
  }
  return names;
}

}  // namespace

void Tokenizer::code(uint16_t code) {
  out_.byte(static_cast<char>(code >> 8));
  out_.byte(static_cast<char>(code & 0xFF));
}

void Tokenizer::arguments(const std::string& text) {
  if (text.empty()) return;
  out_.byte(' ');
  out_.bytes(text);
}

std::string Tokenizer::expression(Cursor& c, const StatementPlace& place, std::vector<std::string_view> stop_words) {
  ExpressionOptions options;
  options.stop_words = std::move(stop_words);
  options.stop_at_else = place.in_if_part;
  options.user_functions = &user_functions_;
  return write_expression(c, options);
}

bool Tokenizer::at_target(Cursor& c) {
  c.skip_blanks();
  return c.peek() == '*' || std::isdigit(static_cast<unsigned char>(c.peek()));
}

void Tokenizer::target(Cursor& c, TargetForm form, bool avoid_start) {
  c.skip_blanks();
  const SourceError where = c.error("");
  if (c.peek() == '*') {
    c.advance();
    const std::string_view name = read_label_name(c);
    if (name.empty()) throw c.error("label name expected after '*'");
    out_.target("*" + std::string(name), form, where, avoid_start);
  } else if (std::isdigit(static_cast<unsigned char>(c.peek()))) {
    out_.target(line_number_key(c.read_digits()), form, where, avoid_start);
  } else {
    throw c.error("expected a label (*name) or a line number");
  }
}

Frame Tokenizer::pop(Construct kind, const SourceError& where, const char* message) {
  if (frames_.empty() || frames_.back().kind != kind) throw SourceError{where.line, where.column, message};
  Frame frame = std::move(frames_.back());
  frames_.pop_back();
  return frame;
}

const Frame* Tokenizer::innermost(Construct kind) const {
  for (auto it = frames_.rbegin(); it != frames_.rend(); ++it)
    if (it->kind == kind) return &*it;
  return nullptr;
}

AnchorId Tokenizer::start_output_line(std::string_view number) {
  AnchorId before = kStartAnchor;
  if (!first_line_) {
    before = out_.anchor_here();
    out_.byte('\n');
  }
  first_line_ = false;
  out_.bytes(number);
  out_.byte(' ');
  line_empty_ = true;
  return before;
}

void Tokenizer::line(const SourceLine& line) {
  Cursor c(line);
  c.skip_blanks();
  const std::size_t number_pos = c.pos();
  const std::string_view number = c.read_digits();
  if (number.empty() && c.at_statement_end()) return;  // blank or comment line
  const AnchorId before = start_output_line(number);
  if (!number.empty()) {
    const std::string key = line_number_key(number);
    if (out_.has_name(key)) throw c.error_at(number_pos, "duplicate line number " + std::string(number));
    out_.define_name(key, before);
  }
  if (c.at_statement_end()) return;
  if (c.peek() == '*') {
    label(c, before);
  } else if (c.peek() == '}') {
    block_close(c);
  } else {
    sequence(c, false, before);
  }
  if (!c.at_statement_end()) throw c.error("unexpected text");
}

void Tokenizer::label(Cursor& c, AnchorId before) {
  const std::size_t start = c.pos();
  c.advance();
  const std::string name(read_label_name(c));
  if (name.empty()) throw c.error("label name expected after '*'");
  if (out_.has_name("*" + name)) throw c.error_at(start, "duplicate label *" + name);
  out_.define_name("*" + name, before);
  out_.bytes("*" + name);
  line_empty_ = false;
  if (!c.at_statement_end()) throw c.error("a label stands alone on its line");
}

void Tokenizer::block_close(Cursor& c) {
  pop(Construct::kBlock, c.error(""), "'}' without '{'");
  c.advance();
  out_.byte('}');
  line_empty_ = false;
  c.skip_blanks();
  if (c.take_word("ELSE")) {
    out_.bytes("else ");  // the else must touch the brace for a skipped block to see it
    if_part(c);
  }
}

void Tokenizer::if_part(Cursor& c) {
  c.skip_blanks();
  if (c.peek() == '{') {
    push(Frame{Construct::kBlock, -1, -1, {}, c.error("'{' without '}'")});
    c.advance();
    if (!c.at_statement_end()) throw c.error("'{' must end its line");
    out_.byte('{');
    return;
  }
  if (at_target(c)) {
    code(0x1023);
    out_.byte(' ');
    target(c, TargetForm::kHex);
    return;
  }
  if (c.at_statement_end() || c.word_is("ELSE")) throw c.error("expected a statement, a target or '{'");
  sequence(c, true, -1);
}

void Tokenizer::sequence(Cursor& c, bool in_if_part, AnchorId before) {
  auto ends = [&] { return c.at_statement_end() || (in_if_part && c.word_is("ELSE")); };
  bool first = true;
  for (;;) {
    c.skip_blanks();
    while (c.peek() == ':') {  // empty statements are dropped
      c.advance();
      c.skip_blanks();
    }
    if (ends()) return;
    if (next_is_files(c)) {
      if (in_if_part) throw c.error("FILES cannot stand in a one-line IF; use braces");
      if (!line_empty_) before = start_output_line("");
    } else if (!first) {
      before = out_.anchor_here();
      out_.byte(':');
    }
    statement(c, StatementPlace{in_if_part, before});
    first = false;
    c.skip_blanks();
    if (c.peek() == ':') continue;
    if (ends()) return;
    throw c.error("expected ':' or the end of the line");
  }
}

void Tokenizer::statement(Cursor& c, const StatementPlace& place) {
  c.skip_blanks();
  const std::size_t start = c.pos();
  if (c.peek() == '?') {
    c.advance();
    writer_for(0x1010)(*this, c, place, 0x1010, "?");
  } else if (c.peek() == '*') {
    throw c.error("a label stands alone on its line");
  } else {
    const std::string_view word = c.read_name();
    if (word.empty()) throw c.error("expected a statement");
    if (auto code = statement_code(word))
      writer_for(*code)(*this, c, place, *code, word);
    else
      assignment_or_error(c, place, start, word);
  }
  line_empty_ = false;
}

void Tokenizer::assignment_or_error(Cursor& c, const StatementPlace& place, std::size_t start, std::string_view word) {
  c.skip_blanks();
  if (c.peek() == '(') {
    int depth = 0;
    bool quoted = false;
    for (; !c.at_end(); c.advance()) {
      if (c.peek() == '"') quoted = !quoted;
      if (quoted) continue;
      if (c.peek() == '(') ++depth;
      if (c.peek() == ')' && --depth == 0) break;
    }
    c.advance();
    c.skip_blanks();
  }
  if (c.peek() != '=') throw c.error_at(start, "unknown keyword '" + std::string(word) + "'");
  c.set_pos(start);
  out_.bytes(expression(c, place));
}

std::vector<uint8_t> Tokenizer::finish() {
  if (!frames_.empty()) throw frames_.back().where;
  if (!first_line_) out_.byte('\n');
  return out_.finish();
}

std::vector<uint8_t> tokenize(std::string_view source, Encoding encoding) {
  const auto lines = read_source_lines(source, encoding);
  Tokenizer tokenizer(defined_user_functions(lines));
  for (const auto& line : lines) tokenizer.line(line);
  return tokenizer.finish();
}

std::string FileError::text() const {
  return file + ":" + std::to_string(error.line) + ":" + std::to_string(error.column) + ": " + error.message;
}

std::variant<std::vector<uint8_t>, FileError> tokenize_file(const std::string& path, Encoding encoding) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return FileError{path, SourceError{0, 0, "cannot open the file"}};
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  try {
    return tokenize(source, encoding);
  } catch (const SourceError& error) {
    return FileError{path, error};
  }
}

}  // namespace tess::tok
