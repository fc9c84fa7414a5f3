#include "graphics/image_table.h"

#include <algorithm>

#include "interp/error.h"

namespace tess {

void ImageTable::record(int32_t old_value, bool old_is_image, int32_t new_handle) {
  if (old_is_image) {
    // Entries past the count may still hold images forgotten by a reset.
    auto it = std::find(handles_.begin(), handles_.end(), old_value);
    if (it != handles_.end()) *it = new_handle;
    return;
  }
  if (count_ == kCapacity) raise_error(1, "image table full: 1024 images are recorded");
  handles_[count_++] = new_handle;
}

}  // namespace tess
