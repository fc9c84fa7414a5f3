// Fixed-width records: the field statement, left- and right-justified field
// assignment, and record read and write.
#include <algorithm>

#include "files/file_handlers.h"
#include "files/file_table.h"
#include "graphics/shared_code_routers.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"
#include "interp/variables.h"
#include "session/session.h"

namespace tess {
namespace {

RecordLayout build_layout(Interpreter& in, const FieldStatement& statement) {
  if (statement.entries.size() > kMaxFields) raise_error(5, "field: more than 254 fields");
  RecordLayout layout;
  for (std::size_t i = 0; i < statement.entries.size(); ++i) {
    const FieldEntry& entry = statement.entries[i];
    const int32_t width = integer_view(eval_number(in, entry.width_expression));
    if (width < 0) raise_error(5, "field: a negative width");
    const bool last = i + 1 == statement.entries.size();
    if (!last && variable_type(in, entry.name) != VarType::String)
      raise_error(5, "field: " + entry.name + " is not a string variable");
    layout.widths.push_back(width);
    layout.names += entry.name;
    if (!last) layout.names += ',';
  }
  if (layout.names.size() > kMaxFieldNameBytes) raise_error(5, "field: the names exceed 1023 bytes");
  return layout;
}

// "#n,record": the slot's number and the record's byte offset, the file
// positioned there.
struct RecordPlace {
  int number;
  FileSlot* slot;
};

RecordPlace seek_record(Interpreter& in, std::string_view args, std::string_view who) {
  if (args.size() < 2 || args[0] != '#' || args[1] < '1' || args[1] > '9')
    raise_error(5, std::string(who) + ": \"#\" and a file number 1 to 9 expected");
  const int number = args[1] - '0';
  FileSlot& slot = in.session().files.open_slot(number, who);
  const int64_t record = integer_view(eval_number(in, args.substr(std::min<std::size_t>(3, args.size()))));
  if (record - 1 < 0) raise_error(5, std::string(who) + ": record numbers start at 1");
  if (!slot.handle->seek_to((record - 1) * slot.layout.record_length()))
    raise_error(7, std::string(who) + ": cannot reach record " + std::to_string(record));
  return {number, &slot};
}

// Field assignment: the value's bytes fitted to the width of the field that the
// name heads in any of the nine layouts.
void fit_into_field(Exec& ex, std::string_view args, std::string (*fit)(std::string_view, std::size_t),
                    std::string_view who) {
  const std::size_t equals = args.find('=');
  if (equals == std::string_view::npos) raise_error(1, std::string(who) + ": no '='");
  const std::string name = strip_blanks(args.substr(0, equals));
  int32_t width = -1;
  for (int n = 1; n <= kFileSlots && width < 0; ++n) width = ex.session().files.slot(n).layout.width_of(name);
  if (width < 0) raise_error(5, std::string(who) + ": " + name + " is not a field");
  const std::string bytes = decode(eval_string(ex.in, args.substr(equals + 1)), true);
  write_string(ex.in, name, encode(fit(bytes, static_cast<std::size_t>(width))));
}

}  // namespace

void stmt_field(Exec& ex, std::string_view args) {
  const FieldStatement statement = parse_field_statement(args);
  FileSlot& slot = ex.session().files.slot(statement.number);
  slot.layout = {};
  slot.layout = build_layout(ex.in, statement);
}

void stmt_lset(Exec& ex, std::string_view args) { fit_into_field(ex, args, fit_left, "lset"); }
void stmt_rset(Exec& ex, std::string_view args) { fit_into_field(ex, args, fit_right, "rset"); }

void record_read_statement(Exec& ex, std::string_view args) {
  const RecordPlace place = seek_record(ex.in, strip_blanks(args), "get #");
  const RecordLayout layout = place.slot->layout;
  const auto names = layout.field_names();
  for (std::size_t i = 0; i < names.size() && i < layout.widths.size(); ++i) {
    // Only what the file still holds is read, so a huge width costs nothing.
    const int64_t left = std::max<int64_t>(0, place.slot->handle->size() - place.slot->handle->position());
    std::string bytes(static_cast<std::size_t>(std::min<int64_t>(layout.widths[i], left)), '\0');
    std::size_t got = 0;
    if (!place.slot->handle->read(bytes, got)) raise_error(7, "get #: read failed");
    bytes.resize(got);
    assign(ex.in, names[i] + "=" + encode(bytes, true));
  }
}

void record_write_statement(Exec& ex, std::string_view args) {
  const RecordPlace place = seek_record(ex.in, strip_blanks(args), "put #");
  const RecordLayout layout = place.slot->layout;
  const auto names = layout.field_names();
  std::string record;
  for (std::size_t i = 0; i < names.size() && i < layout.widths.size(); ++i)
    record += fit_left(decode(eval_string(ex.in, names[i]), true), static_cast<std::size_t>(layout.widths[i]));
  ex.session().files.write(place.number, record, "put #");
}

}  // namespace tess
