#include <string>

#include "interp/error_words.h"
#include "interp/host.h"
#include "interp/source_form.h"

namespace tess {

std::string Diagnostic::headline() const {
  std::string words = "runtime error " + std::to_string(number) + ": " + std::string(error_words(number));
  if (!detail.empty()) words += ": " + source_form(detail);
  if (!file.empty()) return file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + words;
  words += " (";
  if (line_number >= 0) words += "line " + std::to_string(line_number) + ", ";
  return words + "position " + std::to_string(position) + ") in: " + source_form(statement);
}

std::string Diagnostic::format() const {
  std::string out = headline();
  if (file.empty()) return out;
  out += "\n" + source_line + "\n" + std::string(static_cast<std::size_t>(caret > 0 ? caret : 0), ' ') + "^";
  return out;
}

}  // namespace tess
