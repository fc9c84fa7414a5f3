#include "headless/refusals.h"

#include <string>
#include <string_view>

#include "interp/error.h"

namespace tess {
namespace {

std::string_view missing_device(Needs needs) {
  switch (needs) {
    case Needs::kDisplay:
    case Needs::kDisplayForm: return "needs a display";
    case Needs::kShell: return "needs the Windows shell";
    case Needs::kClipboard: return "needs the Windows clipboard";
    case Needs::kPrinter: return "needs a printer";
    case Needs::kSound:
    case Needs::kSoundForm: return "needs a sound device";
    case Needs::kNothing: break;
  }
  return "needs a device";
}

[[noreturn]] void refuse(std::string_view refusal, Needs needs) {
  raise_error(1, std::string(refusal) + ": " + std::string(missing_device(needs)));
}

}  // namespace

void refuse(Stmt code) {
  const StatementInfo* row = find_statement(code_of(code));
  refuse(row->refusal, row->needs);
}

void refuse(Fn code) {
  const FunctionInfo* row = find_function(code_of(code));
  refuse(row->refusal, row->needs);
}

}  // namespace tess
