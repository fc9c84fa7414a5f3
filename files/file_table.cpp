#include "files/file_table.h"

#include <algorithm>

#include "files/path_rules.h"
#include "interp/error.h"

namespace tess {

FileTable::FileTable() : FileTable(make_local_file_system()) {}

FileTable::FileTable(std::unique_ptr<FileSystem> system)
    : system_(std::move(system)),
      module_directory_(system_->initial_directory()),
      current_directory_(module_directory_),
      serial_defaults_(system_->serial_defaults()) {}

FileTable::~FileTable() { close_all(); }

FileSlot& FileTable::slot(int number) {
  if (number < 1 || number > kFileSlots)
    raise_error(5, "file number " + std::to_string(number) + " is not 1 to 9");
  return slots_[static_cast<std::size_t>(number - 1)];
}

FileSlot& FileTable::open_slot(int number, std::string_view who) {
  FileSlot& s = slot(number);
  if (!s.handle) raise_error(7, std::string(who) + ": file " + std::to_string(number) + " is not open");
  return s;
}

void FileTable::open(int number, std::string_view name, OpenMode mode) {
  FileSlot& s = slot(number);
  close(number);
  std::string detail;
  if (is_serial_name(name)) {
    const SerialOpen port = parse_serial_name(name, serial_defaults_);
    s.handle = system_->open_serial(port.port, mode, port.settings, detail);
    s.serial = true;
    if (!s.handle) {
      s.serial = false;
      raise_error(7, "open: serial port " + port.port + " cannot be opened" + (detail.empty() ? "" : ": " + detail));
    }
    return;
  }
  const std::string path = resolve(name);
  s.handle = system_->open(path, mode);
  if (!s.handle) raise_error(7, "open: " + path + " cannot be opened");
}

// Handles write through at once, so a close loses nothing.
void FileTable::close(int number) {
  FileSlot& s = slot(number);
  s.handle.reset();
  s.serial = false;
  s.received.clear();
}

void FileTable::close_all() {
  for (int n = 1; n <= kFileSlots; ++n) close(n);
}

std::size_t FileTable::receive(int number) {
  FileSlot& s = open_slot(number, "receive");
  const std::size_t room = kReceiveLimit - std::min(kReceiveLimit, s.received.size());
  if (room > 0) {
    std::string chunk(room, '\0');
    std::size_t got = 0;
    if (!s.handle->read(chunk, got)) raise_error(7, "serial port " + std::to_string(number) + ": read failed");
    s.received.append(chunk, 0, got);
  }
  return s.received.size();
}

void FileTable::write(int number, std::string_view bytes, std::string_view who) {
  FileSlot& s = open_slot(number, who);
  if (!s.handle->write(bytes)) raise_error(7, std::string(who) + ": write to file " + std::to_string(number) + " failed");
}

std::string FileTable::resolve(std::string_view name) const { return resolve_path(current_directory_, name); }

void FileTable::change_directory(std::string_view value) {
  current_directory_ = tess::change_directory(current_directory_, value);
}

}  // namespace tess
