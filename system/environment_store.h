// The process environment, seen by the environment function and inherited by
// started programs: names and values as code page 932 text.
#pragma once
#include <optional>
#include <string>

namespace tess {

bool put_environment(const std::string& name, const std::string& value);
std::optional<std::string> get_environment(const std::string& name);

}  // namespace tess
