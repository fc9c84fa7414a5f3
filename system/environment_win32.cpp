// The environment as UTF-16, so that a value means the same in every started
// program whatever the system's code page. A code page 932 system keeps the C
// runtime's byte environment, which holds the bytes exactly as they were put.
#include <windows.h>

#include <cstdlib>

#include "system/environment_store.h"
#include "system/wide_win32.h"

namespace tess {

bool put_environment(const std::string& name, const std::string& value) {
  if (GetACP() == 932) return _putenv((name + "=" + value).c_str()) == 0;
  return _wputenv(wide(name + "=" + value).c_str()) == 0;
}

std::optional<std::string> get_environment(const std::string& name) {
  if (GetACP() == 932) {
    const char* value = std::getenv(name.c_str());
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
  const wchar_t* value = _wgetenv(wide(name).c_str());
  return value ? std::optional<std::string>(narrow(value)) : std::nullopt;
}

}  // namespace tess
