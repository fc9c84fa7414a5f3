// The refusing handlers of the headless host, one for every row of the code
// tables whose `needs` column names a device this host lacks. Rows of which only
// one form needs the device (kDisplayForm, kSoundForm) keep a handler of their
// own that refuses that form.
#include "headless/refusals.h"

#include <string>
#include <string_view>

#include "builtins/builtin_declarations.h"
#include "builtins/functions.h"
#include "interp/error.h"
#include "interp/handlers.h"
#include "interp/statements.h"

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

// TESS_REFUSE_<needs>(handler, name): a refusing definition, or nothing for the
// rows this host runs itself.
#define TESS_REFUSE_kNothing(handler, name)
#define TESS_REFUSE_kDisplayForm(handler, name)
#define TESS_REFUSE_kSoundForm(handler, name)

#define TESS_REFUSE_STATEMENT(handler, name) \
  void handler(Exec&, std::string_view) { refuse(Stmt::name); }
#define TESS_REFUSE_kDisplay TESS_REFUSE_STATEMENT
#define TESS_REFUSE_kShell TESS_REFUSE_STATEMENT
#define TESS_REFUSE_kClipboard TESS_REFUSE_STATEMENT
#define TESS_REFUSE_kPrinter TESS_REFUSE_STATEMENT
#define TESS_REFUSE_kSound TESS_REFUSE_STATEMENT
#define TESS_ROW(name, code, keyword, handler, flags, needs, refusal, role) TESS_REFUSE_##needs(handler, name)
TESS_STATEMENTS(TESS_ROW)
#undef TESS_ROW
#undef TESS_REFUSE_kDisplay
#undef TESS_REFUSE_kShell
#undef TESS_REFUSE_kClipboard
#undef TESS_REFUSE_kPrinter
#undef TESS_REFUSE_kSound

#define TESS_REFUSE_FUNCTION(handler, name) \
  std::string handler(Interpreter&, std::string_view) { refuse(Fn::name); }
#define TESS_REFUSE_kDisplay TESS_REFUSE_FUNCTION
#define TESS_REFUSE_kClipboard TESS_REFUSE_FUNCTION
#define TESS_ROW(name, code, keyword, handler, needs, refusal, role) TESS_REFUSE_##needs(handler, name)
TESS_FUNCTIONS(TESS_ROW)
#undef TESS_ROW
#undef TESS_REFUSE_kDisplay
#undef TESS_REFUSE_kClipboard
#undef TESS_REFUSE_FUNCTION
#undef TESS_REFUSE_STATEMENT
#undef TESS_REFUSE_kNothing
#undef TESS_REFUSE_kDisplayForm
#undef TESS_REFUSE_kSoundForm

}  // namespace tess
