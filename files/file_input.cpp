#include "files/file_input.h"

#include "console/input_parse.h"
#include "files/file_table.h"
#include "interp/error.h"
#include "interp/interpreter.h"
#include "interp/lock_release.h"
#include "interp/value_text.h"
#include "interp/variables.h"
#include "session/session.h"

namespace tess {
namespace {

constexpr std::size_t kFieldLimit = 8192;

bool read_byte(OpenFile& file, char& byte, bool& failed) {
  std::size_t got = 0;
  failed = !file.read({&byte, 1}, got);
  return !failed && got == 1;
}

// Waits (without the interpreter lock, checking every 10 ms for the end of the
// run) until the port's receive buffer holds a "\r" or is full. The slot is
// looked up again after every wait, as another thread may have closed it.
std::string serial_field(Exec& ex, int number, bool line_mode) {
  FileTable& files = ex.session().files;
  for (;;) {
    files.receive(number);
    std::string& buffer = files.open_slot(number, "input #").received;
    if (buffer.find('\r') != std::string::npos || buffer.size() >= kReceiveLimit)
      return take_buffered_field(buffer, line_mode);
    {
      const LockReleased waiting(ex);
      ex.in.sleep_unless_stopped(10);
    }
    if (ex.in.stop_requested()) raise_error(7, "input #: the run ended while waiting");
  }
}

void assign_field(Interpreter& in, const std::string& name, std::string_view field, bool line_mode) {
  if (line_mode || variable_type(in, name) == VarType::String)
    write_string(in, name, encode(field));
  else
    write_number(in, name, leading_number(field));
}

}  // namespace

bool read_file_field(OpenFile& file, bool line_mode, std::string& field) {
  field.clear();
  bool failed = false;
  char byte = 0;
  while (field.size() < kFieldLimit) {
    if (!read_byte(file, byte, failed)) {
      if (failed) raise_error(7, "input #: read failed");
      return !field.empty();
    }
    if (byte == '\0' || (!line_mode && byte == ',')) return true;
    if (byte == '\r') {
      char next = 0;
      if (read_byte(file, next, failed) && next != '\n') file.seek_by(-1);
      if (failed) raise_error(7, "input #: read failed");
      return true;
    }
    field += byte;
  }
  return true;
}

std::string take_buffered_field(std::string& buffer, bool line_mode) {
  std::size_t end = buffer.find_first_of(line_mode ? std::string_view("\r") : std::string_view("\r,"));
  std::size_t rest = end == std::string::npos ? buffer.size() : end + 1;
  if (end == std::string::npos) end = buffer.size();
  if (rest < buffer.size() && buffer[rest] == '\n') ++rest;
  std::string field = buffer.substr(0, end);
  buffer.erase(0, rest);
  return field;
}

void input_from_file(Exec& ex, std::string_view args, bool line_mode) {
  if (args.size() < 2 || args[0] != '#' || args[1] < '1' || args[1] > '9')
    raise_error(5, "input #: the file number must be 1 to 9");
  const int number = args[1] - '0';
  FileTable& files = ex.session().files;
  for (const std::string& name : split_names(args.substr(std::min<std::size_t>(3, args.size())))) {
    std::string field;
    if (files.open_slot(number, "input #").serial) {
      field = serial_field(ex, number, line_mode);
    } else if (!read_file_field(*files.open_slot(number, "input #").handle, line_mode, field)) {
      raise_error(7, "input #: end of file");
    }
    assign_field(ex.in, name, field, line_mode);
  }
}

}  // namespace tess
