#include "interp/source_form.h"

#include <cstdio>

#include "interp/function_codes.h"
#include "interp/functions.h"
#include "interp/operators.h"
#include "interp/statement_codes.h"
#include "interp/statements.h"

namespace tess {
namespace {

std::string code_text(uint16_t code) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "[code %04X]", code);
  return buf;
}

std::string statement_word(uint16_t code) {
  const StatementInfo* row = find_statement(code);
  return row && !row->keyword.empty() ? std::string(row->keyword) : code_text(code);
}

std::string function_word(uint16_t code) {
  if (code == code_of(Fn::kUserFunction)) return "FN ";
  const FunctionInfo* row = find_function(code);
  return row && !row->keyword.empty() ? std::string(row->keyword) : code_text(code);
}

std::string operator_text(char letter) {
  for (const auto& op : kOperatorWords)
    if (op.letter == letter) return letter == kNotToken ? std::string(op.word) + " " : " " + std::string(op.word) + " ";
  return {};
}

uint8_t byte_at(std::string_view s, std::size_t i) { return i < s.size() ? static_cast<uint8_t>(s[i]) : 0; }

}  // namespace

std::string source_form(std::string_view s) {
  std::string out;
  bool quoted = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const uint8_t c = byte_at(s, i);
    if (c == '"') quoted = !quoted;
    if (!quoted && is_code_first_byte(c) && i + 1 < s.size()) {
      out += statement_word(static_cast<uint16_t>(c << 8 | byte_at(s, i + 1)));
      ++i;
      continue;
    }
    if (c == 0x01 && byte_at(s, i + 1) == 'f' && i + 3 < s.size()) {
      out += function_word(static_cast<uint16_t>(byte_at(s, i + 2) << 8 | byte_at(s, i + 3)));
      i += 3;
      continue;
    }
    if (c == 0x01 && !quoted) {
      if (std::string op = operator_text(static_cast<char>(byte_at(s, i + 1))); !op.empty()) {
        out += op;
        ++i;
        continue;
      }
    }
    if (c < 0x20 || c == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
      continue;
    }
    out += static_cast<char>(c);
  }
  return out;
}

}  // namespace tess
