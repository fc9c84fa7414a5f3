// A direct index from the codes of a statement or function table to its rows:
// a lookup is one load, no search.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace tess {

// The codes from the table's lowest up to that code + Size, each naming a row
// of Rows (a table with a `code` member) or none. A row beyond Size stops the
// build: the index is made at compile time.
template <std::size_t Size>
class CodeIndex {
 public:
  template <typename Row, std::size_t N>
  constexpr explicit CodeIndex(const Row (&rows)[N]) {
    first_ = rows[0].code;
    for (const Row& row : rows) first_ = row.code < first_ ? row.code : first_;
    for (auto& slot : slots_) slot = -1;
    for (std::size_t i = 0; i < N; ++i) slots_[rows[i].code - first_] = static_cast<int16_t>(i);
  }

  template <typename Row, std::size_t N>
  constexpr const Row* find(const Row (&rows)[N], uint16_t code) const {
    if (code < first_ || code >= first_ + Size) return nullptr;
    const int16_t i = slots_[code - first_];
    return i < 0 ? nullptr : &rows[i];
  }

 private:
  uint16_t first_ = 0;
  std::array<int16_t, Size> slots_{};
};

}  // namespace tess
