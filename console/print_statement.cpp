#include "console/console_handlers.h"
#include "console/format_using.h"
#include "console/item_split.h"
#include "console/print.h"
#include "console/print_file.h"
#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/file_number.h"
#include "interp/interpreter.h"
#include "interp/operators.h"
#include "interp/value_text.h"
#include "interp/variables.h"
#include "interp/text_scan.h"

namespace tess {
namespace {

constexpr int kNoFile = -1;

// The keyword using in any case, followed by a double quote, a blank or a tab.
bool starts_with_using(std::string_view s) {
  constexpr std::string_view kUsing = "using";
  if (s.size() <= kUsing.size()) return false;
  for (std::size_t i = 0; i < kUsing.size(); ++i)
    if (ascii_lower(s[i]) != kUsing[i]) return false;
  const char after = s[kUsing.size()];
  return after == '"' || is_blank_or_tab(after);
}

// A number prints in its display form with a blank before it unless negative.
void append_item(Interpreter& in, std::string_view item, std::string& out) {
  if (item.empty()) return;
  if (is_string_item(in, item)) {
    out += eval_string(in, item);
    return;
  }
  const double value = eval_number(in, item) + 0.0;  // no "-0"
  if (value >= 0) out += ' ';
  out += display_form(number_text(value));
}

// Items separated by ',' (a tab) and ';' (a blank, nothing when last).
std::string item_text(Interpreter& in, std::string_view items) {
  std::string out;
  for (std::size_t start = 0;;) {
    const std::size_t end = item_end(items, start);
    append_item(in, items.substr(start, end - start), out);
    if (end >= items.size() || (items[end] == ';' && end + 1 == items.size())) break;
    out += items[end] == ',' ? '\t' : ' ';
    start = end + 1;
  }
  return out;
}

struct PrintOutput {
  std::string text;  // escaped, without the line end
  bool line_end = true;
  int file_slot = kNoFile;
};

// "#n," before the items names file slot n - 1.
std::string_view take_file_prefix(std::string_view args, bool return_mode, int& slot) {
  if (args.empty() || args.front() != '#') return args;
  if (return_mode) raise_error(1, "print: a file number where the text is returned");
  slot = file_number_prefix(args, "print") - 1;
  const std::size_t comma = args.find(',');
  if (comma == std::string_view::npos) raise_error(1, "print: no ',' after the file number");
  return args.substr(comma + 1);
}

PrintOutput build_output(Interpreter& in, std::string_view args, bool return_mode) {
  PrintOutput output;
  const std::string_view items = skip_blanks(take_file_prefix(skip_blanks(args), return_mode, output.file_slot));
  const std::string stripped = strip_blanks(items);
  output.line_end = stripped.empty() || stripped.back() != ';';
  output.text = starts_with_using(items) ? format_using(in, items.substr(5)) : item_text(in, stripped);
  return output;
}

// The printer's text: decoded, ending at the first zero byte, then the line end.
std::string returned_text(const PrintOutput& output) {
  std::string bytes = decode(output.text, true);
  bytes.resize(bytes.find('\0') == std::string::npos ? bytes.size() : bytes.find('\0'));
  if (output.line_end) bytes += '\n';
  return bytes;
}

}  // namespace

std::string print_text(Interpreter& in, std::string_view args, bool return_mode) {
  PrintOutput output = build_output(in, args, return_mode);
  if (return_mode) return returned_text(output);
  if (output.line_end) output.text += '\n';
  if (output.file_slot != kNoFile)
    print_to_file(in, output.file_slot, output.text);
  else
    in.host().write_text(output.text);
  return {};
}

void stmt_print(Exec& ex, std::string_view args) { print_text(ex.in, args, false); }

}  // namespace tess
