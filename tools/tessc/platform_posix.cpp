#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tools/tessc/platform.h"

extern char** environ;

namespace tess::tessc {

namespace fs = std::filesystem;

bool system_text_is_sjis() { return false; }

std::string self_directory() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : self.parent_path().string();
}

bool same_file(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec);
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

void make_executable(const std::string& path) {
  std::error_code ec;
  fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec, fs::perm_options::add, ec);
}

std::string make_run_folder() {
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / "tessc-run-XXXXXX").string();
  return mkdtemp(pattern.data()) ? pattern : std::string();
}

std::string join_path(const std::string& folder, const std::string& name) { return (fs::path(folder) / name).string(); }

void remove_run_folder(const std::string& folder, const std::string&) {
  std::error_code ec;
  fs::remove_all(folder, ec);
}

int launch_program(const std::string& exe, const std::string& diagnostics_file) {
  const char* wine_env = std::getenv("WINE");
  const std::string wine = wine_env && *wine_env ? wine_env : "wine";
  // The runtime opens it as a Windows path: Wine's drive Z: is the root.
  std::string windows_path = "Z:" + fs::absolute(diagnostics_file).string();
  for (char& c : windows_path)
    if (c == '/') c = '\\';
  setenv("TESSALY_DIAGNOSTICS", windows_path.c_str(), 1);
  std::vector<char*> argv{const_cast<char*>(wine.c_str()), const_cast<char*>(exe.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, wine.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) < 0) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tess::tessc
