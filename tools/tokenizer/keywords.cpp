#include "tools/tokenizer/keywords.h"

#include <algorithm>
#include <cctype>

#include "interp/function_codes.h"
#include "interp/operators.h"
#include "interp/statement_codes.h"

namespace tess::tok {
namespace {

constexpr CodeName kStatements[] = {
#define TESS_ROW(name, code, keyword, flags, needs, refusal, role) {code, keyword},
    TESS_STATEMENTS(TESS_ROW)
#undef TESS_ROW
};

constexpr CodeName kFunctions[] = {
#define TESS_ROW(name, code, keyword, needs, refusal, role) {code, keyword},
    TESS_FUNCTIONS(TESS_ROW)
#undef TESS_ROW
};

// Second spellings. The type-default code takes its type word from the last
// three letters of the keyword used (DEFINT, DEFSNG, DEFSTR).
constexpr CodeName kStatementAliases[] = {
    {code_of(Stmt::kPrint), "?"},
    {code_of(Stmt::kDefint), "DEFSNG"},
    {code_of(Stmt::kDefint), "DEFSTR"},
};

constexpr CodeName kFunctionAliases[] = {
    {code_of(Fn::kSpace), "SPC"},
};

constexpr auto& kOperators = kOperatorWords;

std::optional<uint16_t> find_code(std::span<const CodeName> table, std::span<const CodeName> aliases,
                                  std::string_view word) {
  const std::string key = upper(word);
  for (const auto& row : table)
    if (row.name == key) return row.code;
  for (const auto& row : aliases)
    if (row.name == key) return row.code;
  return std::nullopt;
}

std::string_view find_name(std::span<const CodeName> table, uint16_t code) {
  for (const auto& row : table)
    if (row.code == code) return row.name;
  return {};
}

}  // namespace

std::string upper(std::string_view word) {
  std::string out(word);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

std::span<const CodeName> statement_names() { return kStatements; }
std::span<const CodeName> function_names() { return kFunctions; }

std::optional<uint16_t> statement_code(std::string_view word) {
  if (word.empty()) return std::nullopt;
  return find_code(kStatements, kStatementAliases, word);
}

std::optional<uint16_t> function_code(std::string_view word) {
  if (word.empty()) return std::nullopt;
  return find_code(kFunctions, kFunctionAliases, word);
}

std::string_view statement_keyword(uint16_t code) { return find_name(kStatements, code); }
std::string_view function_keyword(uint16_t code) { return find_name(kFunctions, code); }

std::optional<char> operator_letter(std::string_view word) {
  const std::string key = upper(word);
  for (const auto& op : kOperators)
    if (op.word == key) return op.letter;
  return std::nullopt;
}

std::string_view operator_word(char letter) {
  for (const auto& op : kOperators)
    if (op.letter == letter) return op.word;
  return {};
}

}  // namespace tess::tok
