#include "sound/mci_request.h"

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/value_text.h"

namespace tess {
namespace {

// The first comma outside double quotes and outside parentheses; parentheses
// inside quotes do not count.
std::size_t notify_comma(std::string_view text) {
  bool quoted = false;
  int depth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    else if (quoted) continue;
    else if (c == '(') ++depth;
    else if (c == ')') --depth;
    else if (c == ',' && depth == 0) return i;
  }
  return std::string_view::npos;
}

}  // namespace

MciRequest mci_request(Interpreter& in, std::string_view args) {
  const std::size_t comma = notify_comma(args);
  MciRequest request;
  if (comma != std::string_view::npos) {
    std::string assignment = strip_blanks(args.substr(comma + 1)) + "=1";
    if (assignment.size() > kNotifyTextLimit) raise_error(1, "MCI: notify variable name too long");
    request.on_notify = std::move(assignment);
  }
  request.command = decode(eval_string(in, args.substr(0, comma)), true);
  return request;
}

}  // namespace tess
