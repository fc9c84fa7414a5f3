#include "builtins/functions.h"

#include "builtins/builtin_declarations.h"
#include "builtins/function_table.h"
#include "interp/code_index.h"

namespace tess {
namespace {

constexpr FunctionInfo kFunctions[] = {
#define TESS_ROW(name, code, keyword, handler, needs, refusal, role) {code, keyword, handler, Needs::needs, refusal, role},
    TESS_FUNCTIONS(TESS_ROW)
#undef TESS_ROW
};

constexpr CodeIndex<0x700> kFunctionIndex(kFunctions);

}  // namespace

std::span<const FunctionInfo> all_functions() { return kFunctions; }

const FunctionInfo* find_function(uint16_t code) { return kFunctionIndex.find(kFunctions, code); }

}  // namespace tess
