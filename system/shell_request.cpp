#include "session/session.h"
#include "system/shell_request.h"

#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/value_text.h"

namespace tess {

// A bare program name is joined to the current directory, not searched on the path.
ShellRequest shell_request(Interpreter& in, std::string_view args) {
  std::string file_expr;
  const std::size_t rest = split_argument(args, 0, file_expr);
  ShellRequest request;
  request.file = in.session().files.resolve(decode(eval_string(in, file_expr), true));
  if (rest < args.size() && !strip_blanks(args.substr(rest)).empty())
    request.parameters = decode(eval_string(in, args.substr(rest)), true);
  return request;
}

}  // namespace tess
