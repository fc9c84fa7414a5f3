// The headless host's file system: the file table's backslash-joined names on
// the local (POSIX) file system.
//
// How names map: the interpreter keeps every name in the runtime's form, so the
// programs see the same text on both hosts (the current directory function
// shows backslashes, "sub\file.txt" is relative, "x:..." is absolute). Here a
// leading drive ("C:") is dropped and every backslash becomes "/": the run's
// directory "\home\me\prog\" joined with "data.txt" gives
// "\home\me\prog\\data.txt", opened as "/home/me/prog//data.txt", which the
// file system reads as "/home/me/prog/data.txt". The start directory is the
// process's working directory until the host names the program's own.
//
// Share mode 0 (exclusive) is an exclusive advisory lock taken at open, so a
// second open of the same file, from another slot, fails as it does on Windows.
// Directory listings come sorted by upper-cased name, as NTFS lists them;
// attribute words are 16 for a directory, 32 (archive) for a file, plus
// read-only (1) when the owner may not write and hidden (2) for dot-names.
// Serial ports need the Win32 host.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/file_system.h"
#include "headless/local_file_system.h"

namespace tess {
namespace {

namespace fs = std::filesystem;

std::string local_path(std::string_view name) {
  if (name.size() >= 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]))) name.remove_prefix(2);
  std::string path(name);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

class LocalFile final : public OpenFile {
 public:
  explicit LocalFile(int fd) : fd_(fd) {}
  ~LocalFile() override { ::close(fd_); }
  LocalFile(const LocalFile&) = delete;
  LocalFile& operator=(const LocalFile&) = delete;

  bool read(std::span<char> into, std::size_t& got) override {
    const ssize_t n = ::read(fd_, into.data(), into.size());
    got = n > 0 ? static_cast<std::size_t>(n) : 0;
    return n >= 0;
  }
  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  bool seek_to(int64_t position) override { return position >= 0 && ::lseek(fd_, position, SEEK_SET) >= 0; }
  bool seek_by(int64_t offset) override { return ::lseek(fd_, offset, SEEK_CUR) >= 0; }
  int64_t position() override { return ::lseek(fd_, 0, SEEK_CUR); }
  int64_t size() override {
    struct stat st{};
    return ::fstat(fd_, &st) == 0 ? st.st_size : -1;
  }

 private:
  int fd_;
};

int open_flags(OpenMode mode) {
  switch (mode) {
    case OpenMode::Input: return O_RDONLY;
    case OpenMode::Output: return O_WRONLY | O_CREAT | O_TRUNC;
    case OpenMode::Append: return O_WRONLY | O_CREAT;
    case OpenMode::Random: return O_RDWR | O_CREAT;
  }
  return O_RDONLY;
}

uint32_t attribute_word(const fs::directory_entry& entry) {
  std::error_code ec;
  uint32_t word = entry.is_directory(ec) ? kDirectoryAttribute : 32;
  const auto perms = entry.status(ec).permissions();
  if (!ec && (perms & fs::perms::owner_write) == fs::perms::none) word |= 1;
  if (entry.path().filename().string().starts_with('.')) word |= 2;
  return word;
}

std::string upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

class LocalFileSystem final : public FileSystem {
 public:
  std::unique_ptr<OpenFile> open(const std::string& path, OpenMode mode) override {
    const std::string local = local_path(path);
    struct stat st{};
    if (::stat(local.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return nullptr;
    // Output truncates only once the lock is held, so a refused open changes nothing.
    const int flags = open_flags(mode);
    const int fd = ::open(local.c_str(), (flags & ~O_TRUNC) | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ((flags & O_TRUNC) && ::ftruncate(fd, 0) != 0)) {
      ::close(fd);
      return nullptr;
    }
    auto file = std::make_unique<LocalFile>(fd);
    if (mode == OpenMode::Append) file->seek_to(file->size());
    return file;
  }

  std::unique_ptr<OpenFile> open_serial(const std::string&, OpenMode, const SerialSettings&,
                                        std::string& detail) override {
    detail = "needs a serial port (the Win32 host)";
    return nullptr;
  }

  bool copy(const std::string& from, const std::string& to, bool fail_if_exists) override {
    std::error_code ec;
    const auto option = fail_if_exists ? fs::copy_options::none : fs::copy_options::overwrite_existing;
    return fs::copy_file(local_path(from), local_path(to), option, ec);
  }

  bool remove(const std::string& path) override {
    std::error_code ec;
    const fs::path p = local_path(path);
    return !fs::is_directory(p, ec) && fs::remove(p, ec);
  }

  bool make_directory(const std::string& path) override {
    std::error_code ec;
    return fs::create_directory(local_path(path), ec);
  }

  bool exists(const std::string& path) override {
    std::error_code ec;
    return fs::exists(local_path(path), ec);
  }

  // A move does not replace an existing target, as on Windows.
  bool move(const std::string& from, const std::string& to) override {
    const std::string target = local_path(to);
    if (exists(to)) return false;
    return ::rename(local_path(from).c_str(), target.c_str()) == 0;
  }

  bool list(const std::string& pattern, std::vector<DirectoryEntry>& entries) override {
    const std::size_t cut = pattern.find_last_of('\\');
    const std::string directory = local_path(cut == std::string::npos ? "." : pattern.substr(0, cut + 1));
    std::error_code ec;
    fs::directory_iterator it(directory, ec);
    if (ec) return false;
    for (const auto& entry : it) entries.push_back({entry.path().filename().string(), attribute_word(entry)});
    std::sort(entries.begin(), entries.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return upper(a.name) < upper(b.name); });
    return true;
  }

  SerialSettings serial_defaults() override { return kBuiltinSerialDefaults; }

  std::string initial_directory() override {
    std::error_code ec;
    return host_directory_name(fs::current_path(ec).string());
  }
};

}  // namespace

std::string host_directory_name(std::string_view local_directory) {
  std::string directory(local_directory);
  std::replace(directory.begin(), directory.end(), '/', '\\');
  if (directory.empty() || directory.back() != '\\') directory += '\\';
  return directory;
}

std::unique_ptr<FileSystem> make_local_file_system() { return std::make_unique<LocalFileSystem>(); }

}  // namespace tess
