// The image table: every bitmap a program has made, so that shutdown can delete
// them. Handles travel as the numbers programs keep in variables.
#pragma once
#include <array>
#include <cstdint>
#include <span>

namespace tess {

class ImageTable {
 public:
  static constexpr std::size_t kCapacity = 1024;

  // Records the new image of a variable that held old_value. When the old value
  // was an image (the caller deletes it) the first entry holding it is
  // overwritten; otherwise the new handle is appended. A full table is a runtime
  // error, raised before anything is changed.
  void record(int32_t old_value, bool old_is_image, int32_t new_handle);

  // Empties the table; the interpreter reset has the host delete the images first.
  void forget_all() { count_ = 0; }

  std::span<const int32_t> entries() const { return {handles_.data(), count_}; }

 private:
  std::array<int32_t, kCapacity> handles_{};
  std::size_t count_ = 0;
};

}  // namespace tess
