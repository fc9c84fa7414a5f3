// The open statement's text: name-expression [for mode] as [#]n.
#pragma once
#include <string>
#include <string_view>

#include "files/file_system.h"

namespace tess {

struct OpenSyntax {
  std::string name_expression;
  OpenMode mode = OpenMode::Random;
  int number = 0;
};

// Cuts the open statement's argument text; malformed text is a runtime error.
OpenSyntax parse_open(std::string_view args);

}  // namespace tess
