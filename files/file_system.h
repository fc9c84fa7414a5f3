// What the file table asks of the platform: open handles (disk files and serial
// ports) and the file-management operations. The Win32 runtime and the headless
// host each provide one (make_local_file_system), so everything above this
// interface — slots, modes, records, paths — is the same on both.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/serial_settings.h"

namespace tess {

enum class OpenMode { Input, Output, Append, Random };

// One open handle of a slot.
class OpenFile {
 public:
  virtual ~OpenFile() = default;
  // Reads up to into.size() bytes; false on a failed read. A serial port answers
  // at once with what has arrived, possibly nothing.
  virtual bool read(std::span<char> into, std::size_t& got) = 0;
  // Writes every byte; false when the write failed or was cut short.
  virtual bool write(std::string_view bytes) = 0;
  virtual bool seek_to(int64_t position) = 0;
  virtual bool seek_by(int64_t offset) = 0;
  virtual int64_t position() = 0;
  virtual int64_t size() = 0;
};

// A directory entry as a search reports it: the name and the attribute word.
struct DirectoryEntry {
  std::string name;
  uint32_t attributes = 0;
};
inline constexpr uint32_t kDirectoryAttribute = 16;

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Paths are resolved names (backslash-joined); null when the open failed.
  virtual std::unique_ptr<OpenFile> open(const std::string& path, OpenMode mode) = 0;
  // A serial port with the working settings of the open; null when it cannot be
  // opened. detail says why for the diagnostic.
  virtual std::unique_ptr<OpenFile> open_serial(const std::string& port, OpenMode mode,
                                                const SerialSettings& settings, std::string& detail) = 0;
  virtual bool copy(const std::string& from, const std::string& to, bool fail_if_exists) = 0;
  virtual bool remove(const std::string& path) = 0;
  virtual bool make_directory(const std::string& path) = 0;
  virtual bool exists(const std::string& path) = 0;
  virtual bool move(const std::string& from, const std::string& to) = 0;
  // The entries of a search for pattern (a directory, a backslash and "*");
  // false when the directory cannot be searched.
  virtual bool list(const std::string& pattern, std::vector<DirectoryEntry>& entries) = 0;
  // The serial defaults this host read at start-up.
  virtual SerialSettings serial_defaults() = 0;
  // The directory a run starts in before the host names one (trailing backslash).
  virtual std::string initial_directory() = 0;
};

// The platform's file system: Win32 in the runtime, POSIX on the headless host.
std::unique_ptr<FileSystem> make_local_file_system();

}  // namespace tess
