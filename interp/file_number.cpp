#include "interp/file_number.h"

#include <string>

#include "interp/error.h"

namespace tess {

int file_number_prefix(std::string_view text, std::string_view who) {
  std::size_t i = (!text.empty() && text[0] == '#') ? 1 : 0;
  if (i >= text.size() || text[i] < '1' || text[i] > '9')
    raise_error(5, std::string(who) + ": the file number must be 1 to 9");
  return text[i] - '0';
}

}  // namespace tess
