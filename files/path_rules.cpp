#include "files/path_rules.h"

namespace tess {
namespace {

bool used_unchanged(std::string_view name) {
  return name.find(':') != std::string_view::npos || name.find("\\\\") != std::string_view::npos;
}

std::string limited(std::string text) {
  if (text.size() > kDirectoryLimit) text.resize(kDirectoryLimit);
  return text;
}

}  // namespace

std::string resolve_path(std::string_view current_directory, std::string_view name) {
  if (used_unchanged(name)) return std::string(name);
  std::string path(current_directory);
  path += '\\';
  path += name;
  return path;
}

std::string change_directory(std::string_view current_directory, std::string_view value) {
  std::string directory = used_unchanged(value) ? std::string(value) : resolve_path(current_directory, value);
  if (directory.size() >= 2 && directory.back() == '\\' && directory[directory.size() - 2] != ':')
    directory.pop_back();
  return limited(std::move(directory));
}

std::string directory_of(std::string_view module_path) {
  const std::size_t cut = module_path.find_last_of("\\/:");
  if (cut == std::string_view::npos) return {};
  return limited(std::string(module_path.substr(0, cut + 1)));
}

}  // namespace tess
