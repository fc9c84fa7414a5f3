// Path resolution against the interpreter's own current directory, and the
// change-directory rule. Names stay in the backslash form of the design; a
// host maps them onto its file system.
#pragma once
#include <string>
#include <string_view>

namespace tess {

// The current directory is a 260-byte string: at most 259 bytes are kept.
inline constexpr std::size_t kDirectoryLimit = 259;

// A name holding ':' or "\\" is used unchanged; any other name becomes the
// current directory, a backslash and the name.
std::string resolve_path(std::string_view current_directory, std::string_view name);

// A value holding ':' or "\\" replaces the directory, any other is appended
// after a backslash; then one trailing backslash goes unless a ':' precedes it.
std::string change_directory(std::string_view current_directory, std::string_view value);

// The drive and directory of a module path, with its trailing backslash.
std::string directory_of(std::string_view module_path);

}  // namespace tess
