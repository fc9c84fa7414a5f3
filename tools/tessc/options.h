// tessc's command line.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tess::tessc {

struct Options {
  std::string command, source, output, runtime, face;
  std::optional<int> font_height, point_size, char_set;
  bool hidden = false, sjis = false, werror = false;
};

// The parsed options, or the message that says what is wrong ("" for plain usage).
struct Parsed {
  std::optional<Options> options;
  std::string error;
};
Parsed parse_arguments(const std::vector<std::string>& args);

}  // namespace tess::tessc
