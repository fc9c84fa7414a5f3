#include "interp/statements.h"

#include <array>

#include "interp/handlers.h"
#include "interp/statement_table.h"

namespace tess {
namespace {

constexpr Handler NOT_BUILT = nullptr;

constexpr StatementInfo kStatements[] = {
#define TESS_ROW(code, keyword, handler, flags, role) {code, keyword, handler, flags, role},
    TESS_STATEMENTS(TESS_ROW)
#undef TESS_ROW
};

// Direct index over 0x1000..0x11FF: dispatch is one load, no search.
constexpr uint16_t kFirstCode = 0x1000;
constexpr std::size_t kIndexSize = 0x200;

constexpr std::array<int16_t, kIndexSize> build_index() {
  std::array<int16_t, kIndexSize> index{};
  for (auto& slot : index) slot = -1;
  for (std::size_t i = 0; i < std::size(kStatements); ++i)
    index[kStatements[i].code - kFirstCode] = static_cast<int16_t>(i);
  return index;
}

constexpr auto kIndex = build_index();

}  // namespace

std::span<const StatementInfo> all_statements() { return kStatements; }

const StatementInfo* find_statement(uint16_t code) {
  if (code < kFirstCode || code >= kFirstCode + kIndexSize) return nullptr;
  const int16_t i = kIndex[code - kFirstCode];
  return i < 0 ? nullptr : &kStatements[i];
}

}  // namespace tess
