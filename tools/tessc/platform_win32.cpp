#include <windows.h>

#include <string>
#include <vector>

#include "tools/tessc/platform.h"

namespace tess::tessc {
namespace {

// Volume and file index identify a file whatever name reaches it.
bool file_identity(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  const bool ok = GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  return ok;
}

std::string full_path(const std::string& path) {
  char buffer[MAX_PATH * 2];
  const DWORD n = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  return n > 0 && n < sizeof buffer ? std::string(buffer, n) : path;
}

}  // namespace

bool system_text_is_sjis() { return GetACP() == 932; }

std::string self_directory() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path, n);
  const std::size_t slash = s.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : s.substr(0, slash);
}

bool same_file(const std::string& a, const std::string& b) {
  BY_HANDLE_FILE_INFORMATION x{}, y{};
  if (file_identity(a, x) && file_identity(b, y))
    return x.dwVolumeSerialNumber == y.dwVolumeSerialNumber && x.nFileIndexHigh == y.nFileIndexHigh &&
           x.nFileIndexLow == y.nFileIndexLow;
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, full_path(a).c_str(), -1, full_path(b).c_str(), -1) ==
         CSTR_EQUAL;
}

void make_executable(const std::string&) {}

std::string make_run_folder() {
  char temp[MAX_PATH + 1] = {};
  if (!GetTempPathA(MAX_PATH, temp)) return {};
  for (unsigned i = 0; i < 100; ++i) {
    const std::string folder = std::string(temp) + "tessc-run-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(i);
    if (CreateDirectoryA(folder.c_str(), nullptr)) return folder;
  }
  return {};
}

std::string join_path(const std::string& folder, const std::string& name) { return folder + "\\" + name; }

void remove_run_folder(const std::string& folder, const std::string& names) {
  std::size_t start = 0;
  while (start < names.size()) {
    std::size_t end = names.find('\n', start);
    if (end == std::string::npos) end = names.size();
    DeleteFileA(join_path(folder, names.substr(start, end - start)).c_str());
    start = end + 1;
  }
  RemoveDirectoryA(folder.c_str());
}

int launch_program(const std::string& exe, const std::string& diagnostics_file) {
  SetEnvironmentVariableA("TESSALY_DIAGNOSTICS", diagnostics_file.c_str());
  std::string line = "\"" + exe + "\"";
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}

}  // namespace tess::tessc
