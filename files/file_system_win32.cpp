// The runtime's file system: disk files and serial ports through KERNEL32, the
// serial defaults from the registry value read once when it is created (at
// start-up, before the program runs).
#include <windows.h>

#include "files/file_system.h"
#include "system/wide_win32.h"

namespace tess {
namespace {

constexpr char kSettingsKey[] = "Software\\Brannock\\Tessaly";
constexpr char kSettingsValue[] = "RS232C";

class Win32File final : public OpenFile {
 public:
  explicit Win32File(HANDLE handle) : handle_(handle) {}
  ~Win32File() override { CloseHandle(handle_); }
  Win32File(const Win32File&) = delete;
  Win32File& operator=(const Win32File&) = delete;

  bool read(std::span<char> into, std::size_t& got) override {
    DWORD n = 0;
    const BOOL ok = ReadFile(handle_, into.data(), static_cast<DWORD>(into.size()), &n, nullptr);
    got = n;
    return ok != FALSE;
  }
  bool write(std::string_view bytes) override {
    DWORD n = 0;
    return WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr) && n == bytes.size();
  }
  bool seek_to(int64_t position) override { return move(position, FILE_BEGIN); }
  bool seek_by(int64_t offset) override { return move(offset, FILE_CURRENT); }
  int64_t position() override {
    LARGE_INTEGER zero{}, now{};
    return SetFilePointerEx(handle_, zero, &now, FILE_CURRENT) ? now.QuadPart : -1;
  }
  int64_t size() override {
    LARGE_INTEGER size{};
    return GetFileSizeEx(handle_, &size) ? size.QuadPart : -1;
  }

 private:
  bool move(int64_t distance, DWORD method) {
    LARGE_INTEGER d{};
    d.QuadPart = distance;
    return SetFilePointerEx(handle_, d, nullptr, method) != FALSE;
  }
  HANDLE handle_;
};

struct DiskMode {
  DWORD access, creation, flags;
};

DiskMode disk_mode(OpenMode mode) {
  switch (mode) {
    case OpenMode::Input: return {GENERIC_READ, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN};
    case OpenMode::Output: return {GENERIC_WRITE, CREATE_ALWAYS, FILE_FLAG_SEQUENTIAL_SCAN};
    case OpenMode::Append: return {GENERIC_WRITE, OPEN_ALWAYS, FILE_FLAG_SEQUENTIAL_SCAN};
    case OpenMode::Random: break;
  }
  return {GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS, FILE_FLAG_RANDOM_ACCESS};
}

DWORD serial_access(OpenMode mode) {
  switch (mode) {
    case OpenMode::Input: return GENERIC_READ;
    case OpenMode::Output:
    case OpenMode::Append: return GENERIC_WRITE;
    case OpenMode::Random: break;
  }
  return GENERIC_READ | GENERIC_WRITE;
}

// Reads never wait; writes are bounded by 100 ms per byte plus 200 ms.
void set_timeouts(HANDLE port) {
  COMMTIMEOUTS t{};
  t.ReadIntervalTimeout = MAXDWORD;
  t.ReadTotalTimeoutMultiplier = 0;
  t.ReadTotalTimeoutConstant = 0;
  t.WriteTotalTimeoutMultiplier = 100;
  t.WriteTotalTimeoutConstant = 200;
  SetCommTimeouts(port, &t);
}

// The port's own control block with the settings applied; flow-control bits
// of a control that is off stay as the port had them.
void configure(HANDLE port, const SerialSettings& s) {
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  GetCommState(port, &dcb);
  dcb.BaudRate = baud_rate(s.baud_index);
  dcb.ByteSize = s.data_bits;
  dcb.Parity = s.parity;
  dcb.fParity = s.parity != 0 ? TRUE : dcb.fParity;
  dcb.StopBits = static_cast<BYTE>(s.stop_bits);
  if (s.xon_xoff) dcb.fOutX = dcb.fInX = TRUE;
  if (s.rts_cts) {
    dcb.fOutxCtsFlow = TRUE;
    dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
  }
  SetCommState(port, &dcb);
}

SerialSettings read_serial_defaults() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return kBuiltinSerialDefaults;
  char value[256] = {};
  DWORD size = sizeof value - 1, type = 0;
  const LONG result = RegQueryValueExA(key, kSettingsValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return kBuiltinSerialDefaults;
  return parse_serial_defaults(std::string_view(value, strnlen(value, sizeof value)));
}

class Win32FileSystem final : public FileSystem {
 public:
  Win32FileSystem() : defaults_(read_serial_defaults()) {}

  std::unique_ptr<OpenFile> open(const std::string& path, OpenMode mode) override {
    const DiskMode m = disk_mode(mode);
    HANDLE h = CreateFileW(wide(path).c_str(), m.access, 0, nullptr, m.creation, FILE_ATTRIBUTE_NORMAL | m.flags, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    auto file = std::make_unique<Win32File>(h);
    if (mode == OpenMode::Append) file->seek_to(file->size());
    return file;
  }

  std::unique_ptr<OpenFile> open_serial(const std::string& port, OpenMode mode, const SerialSettings& settings,
                                        std::string& detail) override {
    HANDLE h = CreateFileW(wide(port).c_str(), serial_access(mode), 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      detail = "system error " + std::to_string(GetLastError());
      return nullptr;
    }
    set_timeouts(h);
    configure(h, settings);
    return std::make_unique<Win32File>(h);
  }

  bool copy(const std::string& from, const std::string& to, bool fail_if_exists) override {
    return CopyFileW(wide(from).c_str(), wide(to).c_str(), fail_if_exists ? TRUE : FALSE) != FALSE;
  }
  bool remove(const std::string& path) override { return DeleteFileW(wide(path).c_str()) != FALSE; }
  bool make_directory(const std::string& path) override { return CreateDirectoryW(wide(path).c_str(), nullptr) != FALSE; }
  bool exists(const std::string& path) override { return GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }
  bool move(const std::string& from, const std::string& to) override {
    return MoveFileW(wide(from).c_str(), wide(to).c_str()) != FALSE;
  }

  // A name with a character that code page 932 lacks is listed with '?' for it.
  bool list(const std::string& pattern, std::vector<DirectoryEntry>& entries) override {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(wide(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    do {
      entries.push_back({narrow_terminated(found.cFileName, std::size(found.cFileName)), found.dwFileAttributes});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
  }

  SerialSettings serial_defaults() override { return defaults_; }

  std::string initial_directory() override {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t drive[_MAX_DRIVE] = {}, directory[_MAX_DIR] = {};
    _wsplitpath(path, drive, directory, nullptr, nullptr);
    return narrow(std::wstring(drive) + directory);
  }

 private:
  SerialSettings defaults_;
};

}  // namespace

std::unique_ptr<FileSystem> make_local_file_system() { return std::make_unique<Win32FileSystem>(); }

}  // namespace tess
