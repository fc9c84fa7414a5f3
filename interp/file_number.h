// The "#n" file number before a file statement's arguments.
#pragma once
#include <string_view>

namespace tess {

// "[#]d" at the start of text: the file number of the digit d, or runtime error 5
// naming `who`.
int file_number_prefix(std::string_view text, std::string_view who);

}  // namespace tess
