#include "console/print_file.h"

#include "interp/error.h"
#include "interp/value_text.h"

namespace tess {

std::string file_bytes(std::string_view output, bool serial) {
  std::string bytes = decode(output, true);
  if (!bytes.empty() && bytes.back() == '\n') {
    bytes.back() = '\r';
    if (!serial) bytes += '\n';
  }
  return bytes;
}

// The file table is the seam: it will look up the slot's handle and serial
// flag and write file_bytes(output, serial) there.
void print_to_file(Interpreter&, int slot, std::string_view) {
  raise_error(5, "print #" + std::to_string(slot + 1) + ": files are not built yet");
}

}  // namespace tess
