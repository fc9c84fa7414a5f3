// A fault in a source program, reported as file:line:column: message.
#pragma once
#include <string>

namespace tess::tok {

struct SourceError {
  int line = 0;
  int column = 0;
  std::string message;
};

}  // namespace tess::tok
