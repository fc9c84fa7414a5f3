#include "tools/tokenizer/tokenizer.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "interp/statement_codes.h"
#include "tools/tokenizer/foreign_words.h"
#include "tools/tokenizer/keywords.h"
#include "tools/tokenizer/tokenizer_state.h"

namespace tess::tok {
namespace {

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

// The list-files code carries ':' as its second byte, which only a line start
// passes unexamined; such a statement must open its own line.
bool next_is_files(Cursor c) {
  c.skip_blanks();
  auto code = statement_code(c.read_name());
  return code && *code == code_of(Stmt::kFiles);
}

// The parameters of a definition: "(a, b) = ..." has two, "= ..." none.
int parameter_count(Cursor c) {
  c.skip_blanks();
  if (c.peek() != '(') return 0;
  int count = 0;
  for (c.advance(); !c.at_end() && c.peek() != ')'; c.advance())
    if (c.peek() == ',') ++count;
  c.skip_blanks();
  return count + 1;
}

// User function names, collected first so that FNname is known before its DEF.
UserFunctions defined_user_functions(const std::vector<SourceLine>& lines) {
  UserFunctions names;
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
        if (!name.empty()) names[std::string(name)] = parameter_count(c);
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

void Tokenizer::code(Stmt s) { code(code_of(s)); }

void Tokenizer::arguments(const std::string& text) {
  if (text.empty()) return;
  out_.byte(' ');
  out_.bytes(text);
}

std::string Tokenizer::expression(Cursor& c, const StatementPlace& place, std::vector<std::string_view> stop_words,
                                  const char* adjacent_message) {
  ExpressionOptions options;
  options.stop_words = std::move(stop_words);
  options.stop_at_else = place.in_if_part;
  options.user_functions = &user_functions_;
  options.role = role_;
  options.names = &names_;
  options.warnings = &warnings_;
  options.adjacent_message = adjacent_message;
  return write_expression(c, options);
}

// A line's first byte stands for its first statement too: the runner names a
// statement by the separator before it.
void Tokenizer::mark(const Cursor& c) {
  if (line_start_ >= 0) marks_.push_back({line_start_, c.error(""), static_cast<int>(c.pos())});
  line_start_ = -1;
  marks_.push_back({out_.anchor_here(), c.error(""), static_cast<int>(c.pos())});
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
  line_start_ = out_.anchor_here();
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
  mark(c);
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
  mark(c);
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
    code(Stmt::kGoto);
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

// How each statement uses the names in its arguments; any other statement may
// set them (INPUT, READ, WEVENT, ...).
struct RoleRow {
  Stmt code;
  NameRole role;
};
constexpr RoleRow kRoles[] = {
    {Stmt::kPrint, NameRole::kRead},     {Stmt::kLprint, NameRole::kRead},    {Stmt::kIf, NameRole::kRead},
    {Stmt::kOn, NameRole::kRead},        {Stmt::kWhile, NameRole::kRead},     {Stmt::kFor, NameRole::kAssignment},
    {Stmt::kLet, NameRole::kAssignment}, {Stmt::kDim, NameRole::kDeclare},
};

NameRole role_of(uint16_t code) {
  for (const auto& row : kRoles)
    if (row.code == static_cast<Stmt>(code)) return row.role;
  return NameRole::kOther;
}

void Tokenizer::statement(Cursor& c, const StatementPlace& place) {
  c.skip_blanks();
  const std::size_t start = c.pos();
  mark(c);
  if (c.peek() == '?') {
    c.advance();
    role_ = NameRole::kRead;
    writer_for(code_of(Stmt::kPrint))(*this, c, place, code_of(Stmt::kPrint), "?");
  } else if (c.peek() == '*') {
    throw c.error("a label stands alone on its line");
  } else {
    const std::string_view word = c.read_name();
    if (word.empty()) throw c.error("expected a statement");
    if (auto code = statement_code(word)) {
      role_ = role_of(*code);
      writer_for(*code)(*this, c, place, *code, word);
    } else {
      role_ = NameRole::kAssignment;
      assignment_or_error(c, place, start, word);
    }
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
  if (c.peek() != '=') {
    std::string message = "unknown keyword '" + std::string(word) + "'";
    if (const char* hint = foreign_word_hint(upper(word))) message += "; " + std::string(hint);
    throw c.error_at(start, message);
  }
  c.set_pos(start);
  out_.bytes(expression(c, place));
}

// Once the whole program is read: names read but set nowhere, arrays used
// without DIM. Each is named once, at its first use.
void Tokenizer::check_names() {
  std::set<std::string> set, declared, reported;
  for (const auto& use : names_) {
    const std::string key = use.name + (use.array ? "(" : "");
    if (use.set) set.insert(key);
    if (use.role == NameRole::kDeclare && use.array) declared.insert(use.name);
  }
  for (const auto& use : names_) {
    const std::string key = use.name + (use.array ? "(" : "");
    if (use.array && use.role != NameRole::kDeclare && !declared.count(use.name) && reported.insert(key).second) {
      warnings_.push_back({use.where.line, use.where.column, "array " + use.spelling + "() is used without DIM"});
      continue;
    }
    if (!use.set && !set.count(key) && reported.insert(key).second) {
      const bool text = use.spelling.back() == '$';
      warnings_.push_back({use.where.line, use.where.column,
                           (use.array ? use.spelling + "()" : use.spelling) + " is read but never set (it is always " +
                               (text ? "\"\")" : "0)")});
    }
  }
  std::stable_sort(warnings_.begin(), warnings_.end(), [](const SourceError& a, const SourceError& b) {
    return a.line != b.line ? a.line < b.line : a.column < b.column;
  });
}

std::vector<uint8_t> Tokenizer::finish() {
  if (!frames_.empty()) throw frames_.back().where;
  if (!first_line_) out_.byte('\n');
  check_names();
  return out_.finish();
}

Tokenized tokenize_program(std::string_view source, Encoding encoding) {
  const auto lines = read_source_lines(source, encoding);
  Tokenizer tokenizer(defined_user_functions(lines));
  for (const auto& line : lines) tokenizer.line(line);
  Tokenized result;
  result.text = tokenizer.finish();
  result.warnings = tokenizer.take_warnings();
  for (const auto& line : lines) result.map.lines.push_back(line.bytes);
  for (const auto& mark : tokenizer.marks()) {
    const int32_t position = tokenizer.out().position(mark.anchor);
    if (position >= 0) result.map.entries.push_back({position, mark.where.line, mark.where.column, mark.byte});
  }
  std::stable_sort(result.map.entries.begin(), result.map.entries.end(),
                   [](const SourceMapEntry& a, const SourceMapEntry& b) { return a.position < b.position; });
  return result;
}

std::vector<uint8_t> tokenize(std::string_view source, Encoding encoding) {
  return tokenize_program(source, encoding).text;
}

std::string FileError::text() const {
  return file + ":" + std::to_string(error.line) + ":" + std::to_string(error.column) + ": " + error.message;
}

std::variant<Tokenized, FileError> tokenize_program_file(const std::string& path, Encoding encoding) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return FileError{path, SourceError{0, 0, "cannot open the file"}};
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  try {
    return tokenize_program(source, encoding);
  } catch (const SourceError& error) {
    return FileError{path, error};
  }
}

std::variant<std::vector<uint8_t>, FileError> tokenize_file(const std::string& path, Encoding encoding) {
  auto result = tokenize_program_file(path, encoding);
  if (auto* error = std::get_if<FileError>(&result)) return *error;
  return std::move(std::get<Tokenized>(result).text);
}

}  // namespace tess::tok
