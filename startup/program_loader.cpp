#include "startup/program_loader.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace tess {

std::variant<ProgramImage, ImageError> load_program_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return ImageError{"cannot open " + path};
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return parse_file_tail(bytes);
}

}  // namespace tess
