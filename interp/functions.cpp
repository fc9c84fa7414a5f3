#include "interp/functions.h"

#include "interp/code_index.h"

namespace tess {

constexpr FunctionInfo kFunctionRows[kFunctionCount] = {
#define TESS_ROW(name, code, keyword, needs, refusal, role) {code, keyword, Needs::needs, refusal, role},
    TESS_FUNCTIONS(TESS_ROW)
#undef TESS_ROW
};

namespace {

constexpr CodeIndex<0x700> kFunctionIndex(kFunctionRows);

}  // namespace

const FunctionInfo* find_function(uint16_t code) { return kFunctionIndex.find(kFunctionRows, code); }

}  // namespace tess
