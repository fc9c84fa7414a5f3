#include "interp/type_letters.h"

#include "interp/value_limits.h"

namespace tess {

bool TypeLetters::add(VarType t, char letter) {
  if (t == VarType::Double) return false;
  std::string& l = lists_[list_index(t)];
  if (l.size() >= kMaxTypeLetters) return false;
  const char u = upper(letter);
  l += u;
  // The lookup order is integer, single, string: an earlier list keeps the letter.
  uint8_t& known = initial_type_[static_cast<unsigned char>(u)];
  if (known == 0 || static_cast<uint8_t>(t) < known) known = static_cast<uint8_t>(t);
  return true;
}

std::string_view TypeLetters::list(VarType t) const {
  return t == VarType::Double ? std::string_view{} : std::string_view(lists_[list_index(t)]);
}

void TypeLetters::clear() {
  for (auto& l : lists_) l.clear();
  initial_type_.fill(0);
}

VarType type_code(std::string_view reference, const TypeLetters& letters) {
  const std::size_t paren = reference.find('(');
  const std::string_view name = reference.substr(0, paren);
  if (name.empty()) return VarType::Double;
  switch (name.back()) {
    case '#': return VarType::Double;
    case '%': return VarType::Integer;
    case '!': return VarType::Single;
    case '$': return VarType::String;
    default: return letters.type_of_initial(name.front());
  }
}

}  // namespace tess
