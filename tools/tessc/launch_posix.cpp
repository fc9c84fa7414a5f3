#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tools/tessc/launch.h"

extern char** environ;

namespace tess::tessc {

// Wine comes from PATH (scripts/env.sh sets up its prefix and display); WINE
// names another one.
int launch_program(const std::string& exe, const std::string& diagnostics_file) {
  const char* wine_env = std::getenv("WINE");
  const std::string wine = wine_env && *wine_env ? wine_env : "wine";
  setenv("TESSALY_DIAGNOSTICS", diagnostics_file.c_str(), 1);
  std::vector<char*> argv{const_cast<char*>(wine.c_str()), const_cast<char*>(exe.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, wine.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) < 0) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tess::tessc
