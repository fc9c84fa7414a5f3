// The file table: nine numbered slots (1-9), each with its handle, serial
// flag, serial receive buffer and record layout; the interpreter's current
// directory; and the platform file system behind them. The interpreter owns it.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "files/file_system.h"
#include "files/record_layout.h"
#include "files/serial_settings.h"

namespace tess {

inline constexpr int kFileSlots = 9;
// A serial slot's receive buffer never holds more: while it is full, bytes
// stay queued in the port until the program takes some.
inline constexpr std::size_t kReceiveLimit = 8192;

struct FileSlot {
  std::unique_ptr<OpenFile> handle;
  bool serial = false;
  std::string received;  // serial ports only
  RecordLayout layout;   // kept across close and reopen
};

class FileTable {
 public:
  FileTable();  // the platform's file system
  explicit FileTable(std::unique_ptr<FileSystem> system);
  ~FileTable();
  FileTable(const FileTable&) = delete;
  FileTable& operator=(const FileTable&) = delete;

  FileSystem& system() { return *system_; }

  // The slot of file number 1-9; any other number is runtime error 5.
  FileSlot& slot(int number);
  // As slot(), and the slot must hold a handle (runtime error 7 otherwise).
  FileSlot& open_slot(int number, std::string_view who);

  // Opens a resolved disk path or a serial-port name into slot number; the
  // handle already there is closed first. A failed open is runtime error 7.
  void open(int number, std::string_view name, OpenMode mode);
  void close(int number);
  void close_all();

  // Serial slots: reads what the port has (never waiting) into the receive
  // buffer, as far as it has room; answers the buffer's length.
  std::size_t receive(int number);

  // Every read and write of slot bytes goes through these; failures are error 7.
  void write(int number, std::string_view bytes, std::string_view who);

  std::string resolve(std::string_view name) const;
  const std::string& current_directory() const { return current_directory_; }
  void change_directory(std::string_view value);
  // The run start's directory (the executable's); every reset returns to it.
  void set_module_directory(std::string directory) { module_directory_ = std::move(directory); }
  void reset_directory() { current_directory_ = module_directory_; }

  SerialSettings serial_defaults() const { return serial_defaults_; }

 private:
  std::unique_ptr<FileSystem> system_;
  std::array<FileSlot, kFileSlots> slots_;
  std::string module_directory_;
  std::string current_directory_;
  SerialSettings serial_defaults_;
};


}  // namespace tess
