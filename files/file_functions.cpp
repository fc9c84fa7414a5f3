#include "files/file_functions.h"

#include "files/file_table.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/file_number.h"
#include "interp/interpreter.h"
#include "interp/number_text.h"
#include "interp/value_text.h"
#include "session/session.h"

namespace tess {
namespace {

int file_number(Interpreter& in, std::string_view args) { return integer_view(eval_number(in, args)); }

}  // namespace

std::string fn_curdir(Interpreter& in, std::string_view) { return encode(in.session().files.current_directory(), true); }

// Two bytes are read and given back. A serial port's bytes go to its receive
// buffer instead, so the test consumes nothing: at end when none has arrived.
std::string fn_eof(Interpreter& in, std::string_view args) {
  const int number = file_number(in, args);
  FileSlot& slot = in.session().files.open_slot(number, "eof");
  if (slot.serial) return integer_text(in.session().files.receive(number) == 0 ? -1 : 0);
  char probe[2];
  std::size_t got = 0;
  if (!slot.handle->read(probe, got)) raise_error(7, "eof: read failed");
  if (got == 0) return integer_text(-1);
  slot.handle->seek_by(-static_cast<int64_t>(got));
  return integer_text(0);
}

// The argument is not evaluated: its digit, after an optional "#", is the file
// number. A slot without a handle has no size: -1, as the system answers.
std::string fn_lof(Interpreter& in, std::string_view args) {
  const std::string text = strip_blanks(args);
  FileSlot& slot = in.session().files.slot(file_number_prefix(text, "lof"));
  return integer_text(slot.handle ? static_cast<int32_t>(slot.handle->size()) : -1);
}

std::string fn_loc(Interpreter& in, std::string_view args) {
  const int number = file_number(in, args);
  FileSlot& slot = in.session().files.slot(number);
  if (!slot.handle) return integer_text(-1);
  if (slot.serial) return integer_text(static_cast<int64_t>(in.session().files.receive(number)));
  return integer_text(static_cast<int32_t>(slot.handle->position()));
}

}  // namespace tess
