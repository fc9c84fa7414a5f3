// The shell statement's arguments: the file (resolved against the current
// directory) and the parameters, as plain bytes.
#pragma once
#include <string>
#include <string_view>

namespace tess {

class Interpreter;

struct ShellRequest {
  std::string file;
  std::string parameters;
};

ShellRequest shell_request(Interpreter& in, std::string_view args);

}  // namespace tess
