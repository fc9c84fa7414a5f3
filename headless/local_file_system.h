// The headless host's file-system helpers that tessrun needs.
#pragma once
#include <string>
#include <string_view>

namespace tess {

// A local directory in the file table's form: backslashes, one at the end.
std::string host_directory_name(std::string_view local_directory);

}  // namespace tess
