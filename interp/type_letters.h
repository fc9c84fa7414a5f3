// Variable types: the suffix characters and the type letter lists that the
// type-default statement fills.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tess {

enum class VarType : uint8_t { Double = 0, Integer = 1, Single = 2, String = 3 };

// Three lists of up to 255 upper-case letters: integer, single, string.
class TypeLetters {
 public:
  // Appends a letter to the list of type t (Integer, Single or String; the letter
  // is upper-cased). A full list refuses the letter: false.
  bool add(VarType t, char letter);

  // The type an unsuffixed name takes from its first letter: the first of the
  // integer, single and string lists that holds it, else double.
  VarType type_of_initial(char initial) const {
    return static_cast<VarType>(initial_type_[static_cast<unsigned char>(upper(initial))]);
  }

  std::string_view list(VarType t) const;
  void clear();

  static char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

 private:
  static std::size_t list_index(VarType t) { return static_cast<std::size_t>(t) - 1; }
  std::array<std::string, 3> lists_;
  std::array<uint8_t, 256> initial_type_{};  // 0 (double) unless listed
};

// The type code of a name or reference text: its last character before any '('
// ('#', '%', '!', '$'), else its upper-cased initial in the letter lists.
VarType type_code(std::string_view reference, const TypeLetters& letters);

}  // namespace tess
