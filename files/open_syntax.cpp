#include "files/open_syntax.h"

#include <array>
#include <utility>

#include "interp/error.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

// The word at the start of s (up to a blank or tab) equals word in any case.
bool starts_with_word_then_blank(std::string_view s, std::string_view word) {
  if (s.size() <= word.size() || !is_blank_or_tab(s[word.size()])) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (ascii_lower(s[i]) != word[i]) return false;
  return true;
}

constexpr std::array<std::pair<std::string_view, OpenMode>, 3> kModes = {{
    {"input", OpenMode::Input},
    {"output", OpenMode::Output},
    {"append", OpenMode::Append},
}};

OpenMode mode_word(std::string_view& rest) {
  for (const auto& [word, mode] : kModes) {
    if (starts_with_word_then_blank(rest, word)) {
      rest.remove_prefix(word.size());
      return mode;
    }
  }
  raise_error(1, "open: the mode after \"for\" must be input, output or append");
}

}  // namespace

OpenSyntax parse_open(std::string_view args) {
  args = skip_blanks(args);
  bool quoted = false;
  std::size_t blank = 0;
  while (blank < args.size() && (quoted || !is_blank_or_tab(args[blank]))) {
    if (args[blank] == '"') quoted = !quoted;
    ++blank;
  }
  if (blank >= args.size()) raise_error(1, "open: no \"as\" after the file name");
  OpenSyntax syntax;
  syntax.name_expression = std::string(args.substr(0, blank));
  std::string_view rest = skip_blanks(args.substr(blank));
  if (starts_with_word_then_blank(rest, "for")) {
    rest = skip_blanks(rest.substr(3));
    syntax.mode = mode_word(rest);
    rest = skip_blanks(rest);
  }
  if (!starts_with_word_then_blank(rest, "as")) raise_error(1, "open: \"as\" and the file number expected");
  rest = skip_blanks(rest.substr(2));
  if (!rest.empty() && rest.front() == '#') rest = skip_blanks(rest.substr(1));
  while (!rest.empty() && is_blank_or_tab(rest.back())) rest.remove_suffix(1);
  if (rest.size() != 1 || rest[0] < '1' || rest[0] > '9') raise_error(5, "open: the file number must be 1 to 9");
  syntax.number = rest[0] - '0';
  return syntax;
}

}  // namespace tess
