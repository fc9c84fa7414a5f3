#include "tools/tokenizer/disassembler.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <vector>

#include "interp/function_codes.h"
#include "interp/functions.h"
#include "interp/statement_codes.h"
#include "tools/tokenizer/cursor.h"
#include "tools/tokenizer/keywords.h"

namespace tess::tok {
namespace {

uint16_t code_at(std::string_view s, std::size_t i) {
  return static_cast<uint16_t>((static_cast<uint8_t>(s[i]) << 8) | static_cast<uint8_t>(s[i + 1]));
}

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", value);
  return text;
}

int32_t parse_hex(std::string_view text) {
  uint32_t value = 0;
  for (char c : text) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) break;
    value = value * 16 + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10);
  }
  return static_cast<int32_t>(value);
}

bool word_at(std::string_view s, std::size_t i, std::string_view word) {
  if (s.size() < i + word.size()) return false;
  for (std::size_t k = 0; k < word.size(); ++k)
    if (std::tolower(static_cast<unsigned char>(s[i + k])) != word[k]) return false;
  return true;
}

// A blank and "else" followed by a blank or '{': where a one-line part ends.
bool else_boundary(std::string_view s, std::size_t i) {
  if (i + 5 >= s.size() || s[i] != ' ' || !word_at(s, i + 1, "else")) return false;
  return s[i + 5] == ' ' || s[i + 5] == '{';
}

// Blank-separated words of compact argument text that belong to the grammar,
// shown in capitals (the tokeniser reads them in any case).
std::string capitalise_words(std::string text) {
  static constexpr std::string_view kWords[] = {"to", "step", "for", "as", "input", "output", "append", "goto", "gosub"};
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (quoted || text[i] != ' ') continue;
    for (auto word : kWords) {
      const std::size_t end = i + 1 + word.size();
      if (word_at(text, i + 1, word) && (end == text.size() || text[end] == ' '))
        for (std::size_t k = i + 1; k < end; ++k) text[k] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[k])));
    }
  }
  return text;
}

struct ProgramLine {
  int32_t begin, end;  // bytes of the line, without its '\n'
  int32_t before;      // the separator before it
};

class Disassembler {
 public:
  explicit Disassembler(std::string_view text) : text_(text) {
    split_lines();
    name_lines();
    find_loop_ends();
  }

  std::string run() {
    std::string out;
    for (std::size_t i = first_line_; i < lines_.size(); ++i) {
      const auto& line = lines_[i];
      out += render_line(text_.substr(line.begin, line.end - line.begin));
      out += '\n';
    }
    return out;
  }

 private:
  void split_lines() {
    int32_t begin = 0, before = -1;
    for (int32_t i = 0; i <= static_cast<int32_t>(text_.size()); ++i) {
      if (i < static_cast<int32_t>(text_.size()) && text_[i] != '\n') continue;
      if (i == static_cast<int32_t>(text_.size()) && begin == i) break;
      lines_.push_back({begin, i, before});
      before = i;
      begin = i + 1;
    }
    // The tokeniser's empty first line, there only for a restart at the start.
    if (text_.substr(0, 2) == " \n") first_line_ = 1;
  }

  void name_lines() {
    for (std::size_t i = first_line_; i < lines_.size(); ++i) {
      std::string_view line = text_.substr(lines_[i].begin, lines_[i].end - lines_[i].begin);
      std::size_t digits = 0;
      while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
      std::string name(line.substr(0, digits));
      if (digits + 1 < line.size() && line[digits + 1] == '*') name = std::string(line.substr(digits + 1));
      if (name.empty()) continue;
      separator_names_[lines_[i].before] = name;
      line_start_names_[lines_[i].begin] = name;
      if (i == first_line_) {
        separator_names_[-1] = name;
        separator_names_[1] = name;  // the empty first line's '\n', when there is one
        line_start_names_[0] = name;
      }
    }
  }

  // Positions just after each loop end, which EXIT targets name.
  void find_loop_ends() {
    for (const auto& line : lines_) {
      bool quoted = false;
      for (int32_t i = line.begin; i < line.end; ++i) {
        const char c = text_[i];
        if (c == '"') quoted = !quoted;
        if (quoted || !is_code_first_byte(c) || i + 1 >= line.end) continue;
        const char prev = i > line.begin ? text_[i - 1] : ' ';
        if (prev != ' ' && prev != ':') continue;
        const Stmt code = code_of_bytes(text_[i], text_[i + 1]);
        if (code == Stmt::kIf) break;
        int32_t end = i + 2;
        for (bool in_quotes = false; end < line.end && (in_quotes || text_[end] != ':'); ++end)
          if (text_[end] == '"') in_quotes = !in_quotes;
        if (code == Stmt::kNext || code == Stmt::kWend) loop_ends_[end] = code;
        i = end;
      }
    }
  }

  std::string target_name(std::string_view target, bool line_start = false) const {
    const int32_t position = parse_hex(target);
    const auto& names = line_start ? line_start_names_ : separator_names_;
    auto found = names.find(position);
    if (found == names.end())
      throw DumpError("target " + std::string(target) + " names no labelled or numbered line");
    return found->second;
  }

  std::string render_line(std::string_view line) {
    std::size_t digits = 0;
    while (digits < line.size() && std::isdigit(static_cast<unsigned char>(line[digits]))) ++digits;
    std::string out(line.substr(0, digits));
    std::string_view content = line.substr(std::min(line.size(), digits + 1));
    if (!out.empty() && !content.empty()) out += ' ';
    if (content.empty() || content[0] == '*') return out + std::string(content);
    Reader r{content, 0};
    if (content[0] == '}') {
      out += '}';
      r.pos = 1;
      if (word_at(content, 1, "else")) {
        r.pos = 5;
        skip_blanks(r);
        out += " ELSE " + part(r);
      }
    } else {
      out += sequence(r, false);
    }
    if (r.pos < content.size()) throw DumpError("unexpected text in line: " + std::string(content));
    return out;
  }

  struct Reader {
    std::string_view s;
    std::size_t pos;
  };
  static void skip_blanks(Reader& r) {
    while (r.pos < r.s.size() && is_blank(r.s[r.pos])) ++r.pos;
  }

  std::string sequence(Reader& r, bool in_if) {
    std::string out;
    for (;;) {
      out += statement(r, in_if);
      if (r.pos < r.s.size() && r.s[r.pos] == ':') {
        ++r.pos;
        out += ':';
        continue;
      }
      return out;
    }
  }

  std::string part(Reader& r) {
    if (r.pos < r.s.size() && r.s[r.pos] == '{') {
      ++r.pos;
      return "{";
    }
    return sequence(r, true);
  }

  std::string statement(Reader& r, bool in_if) {
    if (r.pos + 1 < r.s.size() && is_code_first_byte(r.s[r.pos]) && code_of_bytes(r.s[r.pos], r.s[r.pos + 1]) == Stmt::kIf)
      return conditional(r);
    const std::size_t start = r.pos;
    bool quoted = false;
    for (; r.pos < r.s.size(); ++r.pos) {
      const char c = r.s[r.pos];
      if (c == '"') quoted = !quoted;
      if (quoted) continue;
      if (c == ':' && r.pos > start + 1) break;
      if (in_if && else_boundary(r.s, r.pos)) break;
    }
    const std::size_t end_in_text = static_cast<std::size_t>(r.s.data() - text_.data()) + r.pos;
    return render_statement(r.s.substr(start, r.pos - start), static_cast<int32_t>(end_in_text));
  }

  std::string conditional(Reader& r) {
    r.pos += 3;
    const std::size_t start = r.pos;
    bool quoted = false;
    std::size_t then_at = std::string_view::npos;
    for (std::size_t i = r.pos; i + 5 < r.s.size(); ++i) {
      if (r.s[i] == '"') quoted = !quoted;
      if (quoted || (r.s[i] != ' ' && r.s[i] != ')') || !word_at(r.s, i + 1, "then")) continue;
      if (r.s[i + 5] == ' ' || r.s[i + 5] == '{') {
        then_at = r.s[i] == ')' ? i + 1 : i;
        break;
      }
    }
    if (then_at == std::string_view::npos) throw DumpError("conditional without then");
    std::string out = "IF " + render_arguments(r.s.substr(start, then_at - start)) + " THEN ";
    r.pos = then_at + (r.s[then_at] == ' ' ? 5 : 4);
    skip_blanks(r);
    out += part(r);
    if (r.pos < r.s.size() && else_boundary(r.s, r.pos)) {
      r.pos += 5;
      skip_blanks(r);
      out += " ELSE " + part(r);
    }
    return out;
  }

  std::string render_statement(std::string_view stmt, int32_t end) {
    if (stmt.size() < 2 || !is_code_first_byte(stmt[0])) return render_arguments(stmt);
    const uint16_t code = code_at(stmt, 0);
    std::string_view args = stmt.size() > 3 && stmt[2] == ' ' ? stmt.substr(3) : std::string_view{};
    const std::string keyword(statement_keyword(code));
    if (keyword.empty()) throw DumpError("unknown statement code 0x" + hex(code));
    auto with_args = [&](std::string text) { return text.empty() ? keyword : keyword + " " + text; };
    switch (static_cast<Stmt>(code)) {
      case Stmt::kPrint:
      case Stmt::kLprint: return with_args(print_arguments(args));
      case Stmt::kKey: return with_args(upper(args));
      case Stmt::kMouse: return mouse_trap(args);
      case Stmt::kRun: return restart(args);
      case Stmt::kGoto:
      case Stmt::kGosub:
      case Stmt::kThread: return with_args(target_name(args.substr(0, args.find(' '))));
      case Stmt::kReturn:
      case Stmt::kNext:
      case Stmt::kWend: return keyword;
      case Stmt::kOn: return computed_branch(args);
      case Stmt::kFor: return with_args(capitalise_words(render_arguments(args.substr(args.find(' ') + 1))));
      case Stmt::kExit: return loop_exit(args);
      case Stmt::kWhile: return with_args(render_arguments(args.substr(std::min<std::size_t>(9, args.size()))));
      case Stmt::kDefint: return type_default(args);
      case Stmt::kRestore: return args.empty() ? keyword : with_args(target_name(args, true));
      case Stmt::kDef: return "DEF FN " + render_arguments(args);
      case Stmt::kMid: return keyword + render_arguments(args);
      case Stmt::kLine:
        if (word_at(args, 0, "input ")) return "LINE INPUT " + render_arguments(args.substr(6));
        return with_args(render_arguments(args));
      default: (void)end; return with_args(capitalise_words(render_arguments(args)));
    }
  }

  std::string print_arguments(std::string_view args) {
    std::string text = render_arguments(args);
    std::size_t at = 0;
    if (!text.empty() && text[0] == '#') at = text.find(',') == std::string::npos ? text.size() : text.find(',') + 1;
    if (word_at(text, at, "using")) text.replace(at, 5, "USING ");
    return text;
  }

  std::string mouse_trap(std::string_view args) {
    const std::size_t close = args.rfind(')');
    if (close == std::string_view::npos) throw DumpError("mouse trap without (n)");
    return "MOUSE" + render_arguments(args.substr(0, close + 1)) + " " + upper(args.substr(close + 1));
  }

  std::string restart(std::string_view args) {
    std::vector<std::string_view> items;
    for (std::size_t start = 0;;) {
      const std::size_t comma = args.find(',', start);
      items.push_back(args.substr(start, comma - start));
      if (comma == std::string_view::npos) break;
      start = comma + 1;
    }
    const bool all = items.size() == 3 && upper(items[2]) == "ALL";
    if (items.size() > 3 || items.size() == 2 || (items.size() == 3 && (!all || items[0] != items[1])))
      throw DumpError("restart form not written by the tokeniser: " + std::string(args));
    const bool to_start = first_line_ == 1 && parse_hex(items[0]) == 1 && !separator_names_.count(1);
    std::string out = "RUN";
    if (!to_start) out += " " + target_name(items[0]);
    if (all) out += to_start ? " ALL" : ", ALL";
    return out;
  }

  std::string computed_branch(std::string_view args) {
    std::size_t verb = std::string_view::npos;
    for (std::size_t i = 0; i < args.size() && verb == std::string_view::npos; ++i)
      if (args[i] == ' ' && (word_at(args, i + 1, "goto ") || word_at(args, i + 1, "gosub "))) verb = i + 1;
    if (verb == std::string_view::npos) throw DumpError("computed branch without goto or gosub");
    const std::size_t list = args.find(' ', verb) + 1;
    std::string selector(args.substr(0, verb - 1));
    if (upper(selector) == "KEY" || upper(selector.substr(0, 5)) == "MOUSE") selector = upper(selector);
    else selector = render_arguments(selector);
    std::string out = "ON " + selector + " " + upper(args.substr(verb, list - 1 - verb)) + " ";
    for (std::size_t start = list;;) {
      const std::size_t comma = args.find(',', start);
      const std::string_view item = args.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
      if (!item.empty()) out += target_name(item);
      if (comma == std::string_view::npos) break;
      out += ", ";
      start = comma + 1;
    }
    return out;
  }

  std::string loop_exit(std::string_view args) {
    auto found = loop_ends_.find(parse_hex(args));
    if (found == loop_ends_.end()) throw DumpError("clearing jump to " + std::string(args) + " follows no loop end");
    return found->second == Stmt::kNext ? "EXIT FOR" : "EXIT WHILE";
  }

  std::string type_default(std::string_view args) {
    if (args.size() < 3) throw DumpError("type default without type word");
    return "DEF" + upper(args.substr(args.size() - 3)) + " " + std::string(args.substr(0, args.size() - 3));
  }

  std::string_view text_;
  std::vector<ProgramLine> lines_;
  std::size_t first_line_ = 0;
  std::map<int32_t, std::string> separator_names_, line_start_names_;
  std::map<int32_t, Stmt> loop_ends_;
};

}  // namespace

std::string render_arguments(std::string_view text) {
  std::string out;
  bool quoted = false;
  auto after_name = [&] { return !out.empty() && (is_name_char(out.back()) || is_type_suffix(out.back()) || out.back() == ')'); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (quoted || c != '\x01' || i + 1 >= text.size()) {
      out += c;
      continue;
    }
    const char letter = text[i + 1];
    if (letter == 'f' && i + 3 < text.size()) {
      const uint16_t code = code_at(text, i + 2);
      if (after_name()) out += ' ';
      out += code == code_of(Fn::kUserFunction) ? "FN " : std::string(function_keyword(code));
      i += 3;
      continue;
    }
    const std::string_view word = operator_word(letter);
    if (word.empty()) {
      out += c;
      continue;
    }
    if (letter == '!') {
      if (after_name()) out += ' ';
      out += "NOT ";
    } else {
      out += " " + std::string(word) + " ";
    }
    ++i;
  }
  return out;
}

std::string disassemble(std::string_view program_text) { return Disassembler(program_text).run(); }

}  // namespace tess::tok
