// The source language's words: statement keywords and function names come from
// the code tables; the few extra spellings (aliases) live in keywords.cpp.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tess::tok {

struct CodeName {
  uint16_t code;
  std::string_view name;  // upper case, as written in the tables
};

// Every statement code and every function code, in table order.
std::span<const CodeName> statement_names();
std::span<const CodeName> function_names();

// Lookups by a source word in any letter case (aliases included).
std::optional<uint16_t> statement_code(std::string_view word);
std::optional<uint16_t> function_code(std::string_view word);

// The canonical spelling of a code ("" when the code is not listed).
std::string_view statement_keyword(uint16_t code);
std::string_view function_keyword(uint16_t code);

// The operator words and the byte after 0x01 that stands for each.
std::optional<char> operator_letter(std::string_view word);
std::string_view operator_word(char letter);

std::string upper(std::string_view word);

}  // namespace tess::tok
