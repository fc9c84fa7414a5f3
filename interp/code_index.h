// A direct index from the codes of a statement or function table to its rows:
// a lookup is one load, no search.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace tess {

// The handler of a table row whose subsystem is still to come.
inline constexpr std::nullptr_t NOT_BUILT = nullptr;

// Codes from kFirstTableCode up to kFirstTableCode + Size, each naming a row of
// Rows (a table with a `code` member) or none.
template <std::size_t Size>
class CodeIndex {
 public:
  static constexpr uint16_t kFirstTableCode = 0x1000;

  template <typename Row, std::size_t N>
  constexpr explicit CodeIndex(const Row (&rows)[N]) {
    for (auto& slot : slots_) slot = -1;
    for (std::size_t i = 0; i < N; ++i) slots_[rows[i].code - kFirstTableCode] = static_cast<int16_t>(i);
  }

  template <typename Row, std::size_t N>
  constexpr const Row* find(const Row (&rows)[N], uint16_t code) const {
    if (code < kFirstTableCode || code >= kFirstTableCode + Size) return nullptr;
    const int16_t i = slots_[code - kFirstTableCode];
    return i < 0 ? nullptr : &rows[i];
  }

 private:
  std::array<int16_t, Size> slots_{};
};

}  // namespace tess
