#include "builtins/functions.h"

#include <array>

#include "builtins/builtin_declarations.h"
#include "builtins/function_table.h"

namespace tess {
namespace {

constexpr Builtin NOT_BUILT = nullptr;

constexpr FunctionInfo kFunctions[] = {
#define TESS_ROW(code, keyword, handler, role) {code, keyword, handler, role},
    TESS_FUNCTIONS(TESS_ROW)
#undef TESS_ROW
};

constexpr uint16_t kFirstCode = 0x1000;
constexpr std::size_t kIndexSize = 0x700;

constexpr std::array<int16_t, kIndexSize> build_index() {
  std::array<int16_t, kIndexSize> index{};
  for (auto& slot : index) slot = -1;
  for (std::size_t i = 0; i < std::size(kFunctions); ++i)
    index[kFunctions[i].code - kFirstCode] = static_cast<int16_t>(i);
  return index;
}

constexpr auto kIndex = build_index();

}  // namespace

std::span<const FunctionInfo> all_functions() { return kFunctions; }

const FunctionInfo* find_function(uint16_t code) {
  if (code < kFirstCode || code >= kFirstCode + kIndexSize) return nullptr;
  const int16_t i = kIndex[code - kFirstCode];
  return i < 0 ? nullptr : &kFunctions[i];
}

}  // namespace tess
