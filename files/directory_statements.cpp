// File management: change directory, copy, delete, make directory, rename and
// list, every name resolved against the interpreter's current directory.
#include <vector>

#include "files/file_handlers.h"
#include "files/file_table.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"
#include "session/session.h"

namespace tess {
namespace {

std::string string_bytes(Interpreter& in, std::string_view expression) {
  std::string bytes = decode(eval_string(in, expression), true);
  bytes.resize(std::min(bytes.size(), bytes.find('\0')));
  return bytes;
}

std::string resolved(Interpreter& in, std::string_view expression) {
  return in.session().files.resolve(string_bytes(in, expression));
}

// "source, destination [, flag]" with both names resolved and the flag 0 when absent.
struct TwoNames {
  std::string from, to;
  int32_t flag = 0;
};

TwoNames two_names(Interpreter& in, std::string_view args, std::string_view who) {
  std::string first, second, third;
  std::size_t next = split_argument(args, 0, first);
  if (next >= args.size()) raise_error(1, std::string(who) + ": a second name is needed");
  next = split_argument(args, next, second);
  if (next < args.size()) {
    next = split_argument(args, next, third);
    if (next < args.size()) raise_error(1, std::string(who) + ": at most three arguments");
  }
  TwoNames names{resolved(in, first), resolved(in, second)};
  if (!strip_blanks(third).empty()) names.flag = integer_view(eval_number(in, third));
  return names;
}

// One listed entry: its text, and a line end when the line holds columns entries.
void list_entry(std::string_view text, int32_t columns, int32_t& on_line, std::string& out) {
  out += encode(text);
  ++on_line;
  if (on_line >= columns) {
    out += '\n';
    on_line = 0;
  } else {
    out += ' ';
  }
}

}  // namespace

void stmt_chdir(Exec& ex, std::string_view args) { ex.session().files.change_directory(string_bytes(ex.in, args)); }

void stmt_copy(Exec& ex, std::string_view args) {
  const TwoNames names = two_names(ex.in, args, "copy");
  ex.session().files.system().copy(names.from, names.to, names.flag != 0);
}

void stmt_kill(Exec& ex, std::string_view args) {
  const std::string path = resolved(ex.in, args);
  if (!ex.session().files.system().remove(path)) raise_error(7, "kill: " + path + " cannot be deleted");
}

void stmt_mkdir(Exec& ex, std::string_view args) { ex.session().files.system().make_directory(resolved(ex.in, args)); }

// A zero or absent third argument replaces an existing target; otherwise the
// move fails silently.
void stmt_name(Exec& ex, std::string_view args) {
  const TwoNames names = two_names(ex.in, args, "name");
  FileSystem& system = ex.session().files.system();
  if (names.flag == 0 && system.exists(names.to)) system.remove(names.to);
  system.move(names.from, names.to);
}

// Directories first in angle brackets, then everything else; the column count
// carries over from the first pass into the second.
void stmt_files(Exec& ex, std::string_view args) {
  const std::size_t comma = args.find(',');
  int32_t columns = 0;
  if (comma != std::string_view::npos) columns = integer_view(eval_number(ex.in, args.substr(comma + 1)));
  std::string directory = resolved(ex.in, args.substr(0, comma));
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  std::string out = encode(directory) + "\n";
  std::vector<DirectoryEntry> entries;
  if (ex.session().files.system().list(directory + "*", entries)) {
    int32_t on_line = 0;
    for (const auto& entry : entries)
      if (entry.attributes == kDirectoryAttribute && entry.name != "." && entry.name != "..")
        list_entry("<" + entry.name + ">", columns, on_line, out);
    for (const auto& entry : entries)
      if (entry.attributes != kDirectoryAttribute) list_entry(entry.name, columns, on_line, out);
  }
  ex.in.host().write_text(out);
}

}  // namespace tess
