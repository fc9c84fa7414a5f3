// A host without a device refuses the codes that need it: the run ends with a
// runtime error whose detail reads "<refusal>: <what is missing>", both taken
// from the code's row. The refusing handlers are made from the tables' needs
// column: one for every row that needs a device this host lacks. Rows of which
// only one form needs the device (kDisplayForm, kSoundForm) keep a handler of
// their own that refuses that form.
#pragma once
#include <string>
#include <string_view>

#include "interp/handler_table.h"

namespace tess {

struct Exec;
class Interpreter;

[[noreturn]] void refuse(Stmt code);
[[noreturn]] void refuse(Fn code);

template <Stmt code>
void refuse_statement(Exec&, std::string_view) {
  refuse(code);
}
template <Fn code>
std::string refuse_builtin(Interpreter&, std::string_view) {
  refuse(code);
}

// TESS_REFUSE_<needs>(name): a list entry for the rows this host refuses,
// nothing for those it runs.
#define TESS_REFUSE_kNothing(entry, name)
#define TESS_REFUSE_kDisplayForm(entry, name)
#define TESS_REFUSE_kSoundForm(entry, name)
#define TESS_REFUSE_kDisplay(entry, name) entry(name)
#define TESS_REFUSE_kShell(entry, name) entry(name)
#define TESS_REFUSE_kClipboard(entry, name) entry(name)
#define TESS_REFUSE_kPrinter(entry, name) entry(name)
#define TESS_REFUSE_kSound(entry, name) entry(name)

#define TESS_REFUSE_STATEMENT(name) {Stmt::name, refuse_statement<Stmt::name>},
#define TESS_ROW(name, code, keyword, flags, needs, refusal, role) TESS_REFUSE_##needs(TESS_REFUSE_STATEMENT, name)
inline constexpr StatementHandler kRefusedStatements[] = {TESS_STATEMENTS(TESS_ROW)};
#undef TESS_ROW

#define TESS_REFUSE_BUILTIN(name) {Fn::name, refuse_builtin<Fn::name>},
#define TESS_ROW(name, code, keyword, needs, refusal, role) TESS_REFUSE_##needs(TESS_REFUSE_BUILTIN, name)
inline constexpr BuiltinHandler kRefusedBuiltins[] = {TESS_FUNCTIONS(TESS_ROW)};
#undef TESS_ROW

#undef TESS_REFUSE_BUILTIN
#undef TESS_REFUSE_STATEMENT
#undef TESS_REFUSE_kNothing
#undef TESS_REFUSE_kDisplayForm
#undef TESS_REFUSE_kSoundForm
#undef TESS_REFUSE_kDisplay
#undef TESS_REFUSE_kShell
#undef TESS_REFUSE_kClipboard
#undef TESS_REFUSE_kPrinter
#undef TESS_REFUSE_kSound

}  // namespace tess
