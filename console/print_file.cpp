#include "console/print_file.h"

#include "interp/error.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"
#include "session/session.h"

namespace tess {

std::string file_bytes(std::string_view output, bool serial) {
  std::string bytes = decode(output, true);
  if (!bytes.empty() && bytes.back() == '\n') {
    bytes.back() = '\r';
    if (!serial) bytes += '\n';
  }
  return bytes;
}

// The file table looks up the slot's handle and serial flag; a slot without a
// handle or a failed write is error 7.
void print_to_file(Interpreter& in, int slot, std::string_view output) {
  FileTable& files = in.session().files;
  const bool serial = files.open_slot(slot + 1, "print #").serial;
  files.write(slot + 1, file_bytes(output, serial), "print #");
}

}  // namespace tess
