// One writer per statement whose argument form is more than an expression list:
// each reads the natural source form and writes the text its handler reads.
#include <algorithm>
#include <array>
#include <cctype>

#include "interp/statement_codes.h"
#include "tools/tokenizer/keywords.h"
#include "tools/tokenizer/tokenizer_state.h"

namespace tess::tok {
namespace {

std::string lower(std::string_view word) {
  std::string out(word);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return out;
}

// An error at the statement's keyword (a view into the line, except for "?").
SourceError at_keyword(const Cursor& c, std::string_view keyword, std::string message) {
  const auto* begin = c.text().data();
  if (keyword.data() < begin || keyword.data() > begin + c.text().size()) return c.error(std::move(message));
  return c.error_at(static_cast<std::size_t>(keyword.data() - begin), std::move(message));
}

void no_loop_in_if(const Cursor& c, const StatementPlace& place, std::string_view keyword) {
  if (place.in_if_part)
    throw at_keyword(c, keyword, upper(keyword) + " cannot stand in a one-line IF; use braces");
}

// Reads one of the words (upper case) or fails with the message.
std::string expect_word(Cursor& c, std::initializer_list<std::string_view> words, const std::string& message) {
  c.skip_blanks();
  for (auto word : words)
    if (c.take_word(word)) return std::string(word);
  throw c.error(message);
}

void generic(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  t.code(code);
  t.arguments(t.expression(c, place));
}

void no_arguments(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view keyword) {
  t.code(code);
  if (!at_expression_end(c, ExpressionOptions{{}, place.in_if_part, nullptr}))
    throw c.error(upper(keyword) + " takes no arguments");
}

void jump(Tokenizer& t, Cursor& c, const StatementPlace&, uint16_t code, std::string_view) {
  t.code(code);
  t.out().byte(' ');
  t.target(c, TargetForm::kHex);
}

// The data pointer is searched from a line's first byte, so RESTORE names where
// the line begins rather than the separator before it.
void restore(Tokenizer& t, Cursor& c, const StatementPlace&, uint16_t code, std::string_view) {
  t.code(code);
  if (!t.at_target(c)) return;
  t.out().byte(' ');
  t.target(c, TargetForm::kLineStart);
}

// RUN [target] [[,] ALL]: the restart refuses -1, so the program start is named
// through an empty first line. With ALL the target is given twice ("t,t,all").
void restart(Tokenizer& t, Cursor& c, const StatementPlace&, uint16_t code, std::string_view) {
  t.code(code);
  t.out().byte(' ');
  const bool has_target = t.at_target(c);
  const std::size_t target_pos = c.pos();
  auto write_target = [&] {
    if (!has_target) return t.out().target(kStartAnchor, TargetForm::kHex, true);
    c.set_pos(target_pos);
    t.target(c, TargetForm::kHex, true);
  };
  write_target();
  c.skip_blanks();
  if (has_target && c.peek() == ',') c.advance();
  c.skip_blanks();
  if (!c.take_word("ALL")) return;
  const std::size_t after_all = c.pos();
  t.out().byte(',');
  write_target();
  t.out().bytes(",all");
  c.set_pos(after_all);
}

void conditional(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  t.code(code);
  t.out().byte(' ');
  const std::string condition = t.expression(c, place, {"THEN", "GOTO"}, "IF without THEN");
  if (condition.empty()) throw c.error("IF needs a condition");
  t.out().bytes(condition);
  t.out().bytes(" then ");
  if (c.take_word("GOTO")) {
    t.code(Stmt::kGoto);
    t.out().byte(' ');
    t.target(c, TargetForm::kHex);
  } else if (c.take_word("THEN")) {
    t.if_part(c);
  } else {
    throw c.error("IF without THEN");
  }
  c.skip_blanks();
  if (c.take_word("ELSE")) {
    t.out().bytes(" else ");
    t.if_part(c);
  }
}

// ON n GOTO|GOSUB list, ON KEY GOSUB list (F1...F12, items may be empty),
// ON MOUSE(n) GOSUB target.
void computed_branch(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  t.code(code);
  t.out().byte(' ');
  c.skip_blanks();
  enum class Selector { kNumber, kKey, kMouse } kind = Selector::kNumber;
  if (c.take_word("KEY")) {
    kind = Selector::kKey;
    t.out().bytes("key");
  } else if (c.take_word("MOUSE")) {
    kind = Selector::kMouse;
    c.skip_blanks();
    const bool ok = c.peek() == '(' && c.peek(1) >= '1' && c.peek(1) <= '5' && c.peek(2) == ')';
    if (!ok) throw c.error("ON MOUSE needs (1) to (5)");
    t.out().bytes("mouse" + std::string(c.rest().substr(0, 3)));
    c.advance(3);
  } else {
    const std::string selector = t.expression(c, place, {"GOTO", "GOSUB"});
    if (selector.empty()) throw c.error("ON needs a selector");
    t.out().bytes(selector);
  }
  const std::string verb = expect_word(c, {"GOTO", "GOSUB"}, "ON needs GOTO or GOSUB");
  t.out().bytes(" " + lower(verb) + " ");
  int count = 0;
  for (;;) {
    ++count;
    c.skip_blanks();
    const bool empty_item = c.peek() == ',' || at_expression_end(c, ExpressionOptions{{}, place.in_if_part, nullptr});
    if (empty_item && kind != Selector::kKey) throw c.error("expected a label (*name) or a line number");
    if (!empty_item) t.target(c, TargetForm::kHex);
    c.skip_blanks();
    if (c.peek() != ',') break;
    if (kind == Selector::kMouse) throw c.error("ON MOUSE takes one target");
    if (kind == Selector::kKey && count == 12) throw c.error("ON KEY takes at most 12 targets");
    c.advance();
    t.out().byte(',');
  }
}

void loop_head(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view keyword) {
  no_loop_in_if(c, place, keyword);
  Frame frame{Construct::kFor, place.before, t.out().new_anchor(), {}, at_keyword(c, keyword, "FOR without NEXT")};
  t.code(code);
  t.out().byte(' ');
  t.out().target(frame.exit, TargetForm::kHex);
  const std::string assignment = t.expression(c, place, {"TO"});
  const std::size_t equals = assignment.find('=');
  if (equals == std::string::npos || equals == 0) throw c.error("FOR needs variable = start");
  frame.variable = assignment.substr(0, equals);
  if (!c.take_word("TO")) throw c.error("FOR without TO");
  const std::string limit = t.expression(c, place, {"STEP"});
  if (limit.empty()) throw c.error("FOR needs a limit after TO");
  t.out().bytes(" " + assignment + " to " + limit);
  if (c.take_word("STEP")) {
    const std::string step = t.expression(c, place);
    if (step.empty()) throw c.error("STEP needs an increment");
    t.out().bytes(" step " + step);
  }
  t.push(std::move(frame));
}

// NEXT [v [, v ...]]: one loop end per variable, innermost first.
void loop_end(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view keyword) {
  no_loop_in_if(c, place, keyword);
  bool first = true;
  do {
    c.skip_blanks();
    const SourceError where = first ? at_keyword(c, keyword, "") : c.error("");
    const SourceError variable_at = c.error("");
    const std::string variable(c.read_name());
    Frame frame = t.pop(Construct::kFor, where, "NEXT without FOR");
    if (!variable.empty() && variable != frame.variable)
      throw SourceError{variable_at.line, variable_at.column, "NEXT " + variable + " does not match FOR " + frame.variable};
    if (!first) t.out().byte(':');
    first = false;
    t.code(code);
    t.out().byte(' ');
    t.out().target(frame.head, TargetForm::kHex);
    t.out().place(frame.exit);
    c.skip_blanks();
  } while (c.peek() == ',' && (c.advance(), true));
}

void while_head(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view keyword) {
  no_loop_in_if(c, place, keyword);
  Frame frame{Construct::kWhile, place.before, t.out().new_anchor(), {}, at_keyword(c, keyword, "WHILE without WEND")};
  t.code(code);
  t.out().byte(' ');
  t.out().target(frame.exit, TargetForm::kHex8);
  const std::string condition = t.expression(c, place);
  if (condition.empty()) throw c.error("WHILE needs a condition");
  t.out().bytes(" " + condition);
  t.push(std::move(frame));
}

void while_end(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view keyword) {
  no_loop_in_if(c, place, keyword);
  Frame frame = t.pop(Construct::kWhile, at_keyword(c, keyword, ""), "WEND without WHILE");
  t.code(code);
  t.out().byte(' ');
  t.out().target(frame.head, TargetForm::kHex);
  t.out().place(frame.exit);
}

// EXIT FOR / EXIT WHILE: the clearing jump to the separator after the loop end.
void loop_exit(Tokenizer& t, Cursor& c, const StatementPlace&, uint16_t code, std::string_view keyword) {
  const std::string word = expect_word(c, {"FOR", "WHILE"}, "EXIT needs FOR or WHILE");
  const Frame* frame = t.innermost(word == "FOR" ? Construct::kFor : Construct::kWhile);
  if (!frame) throw at_keyword(c, keyword, "EXIT " + word + " outside " + word);
  t.code(code);
  t.out().byte(' ');
  t.out().target(frame->exit, TargetForm::kHex);
}

void key_trap(Tokenizer& t, Cursor& c, const StatementPlace&, uint16_t code, std::string_view) {
  const std::string word = expect_word(c, {"ON", "OFF", "STOP"}, "KEY needs ON, OFF or STOP");
  t.code(code);
  t.arguments(lower(word));
}

void mouse_trap(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  const std::string number = t.expression(c, place, {"ON", "OFF", "STOP"});
  if (number.size() < 3 || number.front() != '(' || number.back() != ')') throw c.error("MOUSE needs (n)");
  const std::string word = expect_word(c, {"ON", "OFF", "STOP"}, "MOUSE(n) needs ON, OFF or STOP");
  t.code(code);
  t.arguments(number + lower(word));
}

// PRINT / LPRINT [#n,] [USING format; items]. The format expression must start
// right after the word using, so a format that is not a literal gets ""+ in front.
void print(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  std::string text = t.expression(c, place, {"USING"});
  if (c.take_word("USING")) {
    if (!text.empty() && (text[0] != '#' || text.back() != ',')) throw c.error("USING must come first");
    std::string format = t.expression(c, place);
    if (format.empty() || format[0] != '"') format = "\"\"+" + format;
    text += "using" + format;
  }
  t.code(code);
  t.arguments(text);
}

// OPEN name [FOR INPUT|OUTPUT|APPEND] AS [#]n
void open(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  const std::string name = t.expression(c, place, {"FOR", "AS"});
  if (name.empty()) throw c.error("OPEN needs a file name");
  std::string text = name;
  if (c.take_word("FOR"))
    text += " for " + lower(expect_word(c, {"INPUT", "OUTPUT", "APPEND"}, "FOR needs INPUT, OUTPUT or APPEND"));
  c.skip_blanks();
  if (!c.take_word("AS")) throw c.error("OPEN needs AS #n");
  const std::string number = t.expression(c, place);
  if (number.empty()) throw c.error("AS needs a file number");
  t.code(code);
  t.arguments(text + " as " + number);
}

// FIELD #n, width AS name, ...: the blanks around as stay.
void field(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  std::string text = t.expression(c, place, {"AS"});
  while (c.take_word("AS")) text += " as " + t.expression(c, place, {"AS"});
  t.code(code);
  t.arguments(text);
}

// NAME old AS new (or NAME old, new [, keep]).
void rename(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  std::string text = t.expression(c, place, {"AS"});
  if (c.take_word("AS")) text += "," + t.expression(c, place);
  t.code(code);
  t.arguments(text);
}

// LINE INPUT [prompt;] var, or LINE (x1,y1)-(x2,y2)...
void line(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  c.skip_blanks();
  const bool input = c.take_word("INPUT");
  const std::string text = t.expression(c, place);
  t.code(code);
  t.arguments(input ? "input " + text : text);
}

// DEFINT / DEFSNG / DEFSTR letters: the letter list glued to its type word.
void type_default(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view keyword) {
  c.skip_blanks();
  const SourceError where = c.error("");
  const std::string letters = t.expression(c, place);
  // letter [- letter] { , letter [- letter] }
  bool ok = !letters.empty();
  for (std::size_t i = 0; ok && i < letters.size();) {
    auto letter = [&](std::size_t k) { return k < letters.size() && std::isalpha(static_cast<unsigned char>(letters[k])); };
    ok = letter(i);
    if (ok && i + 1 < letters.size() && letters[i + 1] == '-') {
      ok = letter(i + 2) && std::toupper(letters[i + 2]) >= std::toupper(letters[i]);
      i += 2;
    }
    ++i;
    if (ok && i < letters.size()) ok = letters[i] == ',' && ++i < letters.size();
  }
  if (!ok) throw SourceError{where.line, where.column, upper(keyword) + " needs letters such as A-C,X"};
  t.code(code);
  t.arguments(letters + lower(keyword.substr(3)));
}

// DEF FN name(params) = body: the definition is stored without FN.
void define_function(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  c.skip_blanks();
  std::string_view name = c.read_name();
  if (upper(name) == "FN") {
    c.skip_blanks();
    name = c.read_name();
  } else if (name.size() > 2 && upper(name.substr(0, 2)) == "FN") {
    name.remove_prefix(2);
  } else {
    name = {};
  }
  if (name.empty()) throw c.error("DEF needs FN and a name");
  const std::string rest = t.expression(c, place);
  if (rest.empty() || (rest[0] != '(' && rest[0] != '=') || rest.find('=') == std::string::npos)
    throw c.error("DEF FN needs name(parameters) = expression");
  t.code(code);
  t.arguments(std::string(name) + rest);
}

// MID$(var, start [, length]) = expression
void replace_part(Tokenizer& t, Cursor& c, const StatementPlace& place, uint16_t code, std::string_view) {
  c.skip_blanks();
  if (c.peek() != '(') throw c.error("MID$ needs (variable, start [, length]) = text");
  const std::string text = t.expression(c, place);
  t.code(code);
  t.arguments(text);
}

struct WriterRow {
  Stmt code;
  StatementWriter writer;
};

constexpr WriterRow kWriters[] = {
    {Stmt::kPrint, print},           {Stmt::kOpen, open},             {Stmt::kKey, key_trap},          {Stmt::kMouse, mouse_trap},
    {Stmt::kLprint, print},          {Stmt::kField, field},           {Stmt::kRun, restart},           {Stmt::kIf, conditional},
    {Stmt::kGoto, jump},             {Stmt::kGosub, jump},            {Stmt::kReturn, no_arguments},   {Stmt::kOn, computed_branch},
    {Stmt::kFor, loop_head},         {Stmt::kNext, loop_end},         {Stmt::kExit, loop_exit},        {Stmt::kWhile, while_head},
    {Stmt::kWend, while_end},        {Stmt::kThread, jump},           {Stmt::kName, rename},           {Stmt::kDefint, type_default},
    {Stmt::kRestore, restore},       {Stmt::kDef, define_function},   {Stmt::kMid, replace_part},      {Stmt::kLine, line},
};

}  // namespace

StatementWriter writer_for(uint16_t code) {
  for (const auto& row : kWriters)
    if (row.code == static_cast<Stmt>(code)) return row.writer;
  return generic;
}

}  // namespace tess::tok
