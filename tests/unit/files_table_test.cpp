// The file table over a scripted file system: slots and their limits, the
// implicit close on reopen, serial routing with the defaults, the receive
// buffer's bound, and the field readers of the input statements.
#include <gtest/gtest.h>

#include <map>

#include "files/file_input.h"
#include "files/file_table.h"
#include "interp/error.h"

namespace tess {
namespace {

struct Journal {
  std::vector<std::string> events;
  std::string port;
  SerialSettings settings;
};

// Bytes in memory; a serial port variant always has `pending` bytes waiting.
class MemoryFile final : public OpenFile {
 public:
  MemoryFile(Journal& journal, std::string name, std::string bytes, std::size_t pending = 0)
      : journal_(journal), name_(std::move(name)), bytes_(std::move(bytes)), pending_(pending) {}
  ~MemoryFile() override { journal_.events.push_back("close " + name_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  bool read(std::span<char> into, std::size_t& got) override {
    if (pending_ > 0) {
      got = std::min(into.size(), pending_);
      std::fill_n(into.data(), got, 'r');
      pending_ -= got;
      return true;
    }
    got = std::min(into.size(), bytes_.size() - std::min(bytes_.size(), pos_));
    std::copy_n(bytes_.data() + pos_, got, into.data());
    pos_ += got;
    return true;
  }
  bool write(std::string_view b) override {
    bytes_.replace(pos_, b.size(), b);
    pos_ += b.size();
    return true;
  }
  bool seek_to(int64_t p) override { return pos_ = static_cast<std::size_t>(p), true; }
  bool seek_by(int64_t d) override { return pos_ = static_cast<std::size_t>(static_cast<int64_t>(pos_) + d), true; }
  int64_t position() override { return static_cast<int64_t>(pos_); }
  int64_t size() override { return static_cast<int64_t>(bytes_.size()); }
  std::size_t pending() const { return pending_; }

 private:
  Journal& journal_;
  std::string name_;
  std::string bytes_;
  std::size_t pos_ = 0;
  std::size_t pending_;
};

class ScriptedSystem final : public FileSystem {
 public:
  ScriptedSystem(Journal& journal, SerialSettings defaults) : journal_(journal), defaults_(defaults) {}
  std::unique_ptr<OpenFile> open(const std::string& path, OpenMode) override {
    journal_.events.push_back("open " + path);
    if (path.ends_with("missing")) return nullptr;
    return std::make_unique<MemoryFile>(journal_, path, "");
  }
  std::unique_ptr<OpenFile> open_serial(const std::string& port, OpenMode, const SerialSettings& s,
                                        std::string&) override {
    journal_.port = port;
    journal_.settings = s;
    if (port == "com9") return nullptr;
    return std::make_unique<MemoryFile>(journal_, port, "", 20000);
  }
  bool copy(const std::string&, const std::string&, bool) override { return true; }
  bool remove(const std::string&) override { return true; }
  bool make_directory(const std::string&) override { return true; }
  bool exists(const std::string&) override { return false; }
  bool move(const std::string&, const std::string&) override { return true; }
  bool list(const std::string&, std::vector<DirectoryEntry>&) override { return false; }
  SerialSettings serial_defaults() override { return defaults_; }
  std::string initial_directory() override { return "C:\\prog\\"; }

 private:
  Journal& journal_;
  SerialSettings defaults_;
};

int error_number(auto&& action) {
  try {
    action();
  } catch (const ProgramError& e) {
    return e.number;
  }
  return 0;
}

TEST(FileTable, SlotsReopenAndDirectory) {
  Journal j;
  FileTable table(std::make_unique<ScriptedSystem>(j, kBuiltinSerialDefaults));
  for (int bad : {0, 10, -1}) EXPECT_EQ(error_number([&] { table.slot(bad); }), 5) << bad;
  EXPECT_EQ(error_number([&] { table.open_slot(4, "t"); }), 7);

  table.open(3, "a.txt", OpenMode::Output);
  table.open(3, "b.txt", OpenMode::Output);  // the first handle is closed before the second open
  EXPECT_EQ(j.events, (std::vector<std::string>{"open C:\\prog\\\\a.txt", "close C:\\prog\\\\a.txt",
                                                "open C:\\prog\\\\b.txt"}));
  EXPECT_EQ(error_number([&] { table.open(3, "missing", OpenMode::Input); }), 7);
  EXPECT_FALSE(table.slot(3).handle);  // a failed open leaves the slot empty

  table.change_directory("work");
  EXPECT_EQ(table.resolve("x"), "C:\\prog\\\\work\\x");
  table.reset_directory();
  EXPECT_EQ(table.current_directory(), "C:\\prog\\");
}

TEST(FileTable, SerialPortsUseTheDefaults) {
  Journal j;
  FileTable table(std::make_unique<ScriptedSystem>(j, parse_serial_defaults("2 12 8 0 0 0 1")));
  table.open(1, "com:", OpenMode::Random);
  EXPECT_EQ(j.port, "com2");
  EXPECT_EQ(baud_rate(j.settings.baud_index), 115200u);
  EXPECT_TRUE(table.slot(1).serial);
  EXPECT_EQ(error_number([&] { table.open(2, "com9:", OpenMode::Random); }), 7);
  EXPECT_FALSE(table.slot(2).serial);
  table.close(1);
  EXPECT_FALSE(table.slot(1).serial);
}

TEST(FileTable, ReceiveBufferStopsAtItsLimit) {
  Journal j;
  FileTable table(std::make_unique<ScriptedSystem>(j, kBuiltinSerialDefaults));
  table.open(1, "com1:", OpenMode::Input);
  EXPECT_EQ(table.receive(1), kReceiveLimit);
  EXPECT_EQ(table.receive(1), kReceiveLimit);  // the rest stays queued in the port
  auto& port = static_cast<MemoryFile&>(*table.slot(1).handle);
  EXPECT_EQ(port.pending(), 20000 - kReceiveLimit);
  table.slot(1).received.erase(0, 100);  // the program takes some
  EXPECT_EQ(table.receive(1), kReceiveLimit);
  EXPECT_EQ(port.pending(), 20000 - kReceiveLimit - 100);
}

std::vector<std::string> fields_of(std::string bytes, bool line_mode, std::vector<int64_t>* positions = nullptr) {
  Journal j;
  MemoryFile file(j, "f", std::move(bytes));
  std::vector<std::string> out;
  std::string field;
  while (read_file_field(file, line_mode, field)) {
    out.push_back(field);
    if (positions) positions->push_back(file.position());
  }
  return out;
}

TEST(FileInput, DiskFieldsAndLineEnds) {
  std::vector<int64_t> at;
  // "\r\n" consumes both bytes; a lone "\r" leaves the next byte for the next field.
  EXPECT_EQ(fields_of("ab\r\ncd\ref", true, &at), (std::vector<std::string>{"ab", "cd", "ef"}));
  EXPECT_EQ(at, (std::vector<int64_t>{4, 7, 9}));
  EXPECT_EQ(fields_of("1,x y,\"q\"\r\n", false), (std::vector<std::string>{"1", "x y", "\"q\"", }));
  EXPECT_EQ(fields_of("1,x\r\n", true), (std::vector<std::string>{"1,x"}));
  EXPECT_EQ(fields_of(std::string("a\0b", 3), true), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(fields_of("", true), std::vector<std::string>{});  // end of file before a field
  const auto long_fields = fields_of(std::string(8200, 'z'), true);
  ASSERT_EQ(long_fields.size(), 2u);
  EXPECT_EQ(long_fields[0].size(), 8192u);
  EXPECT_EQ(long_fields[1].size(), 8u);
}

TEST(FileInput, SerialBufferedFields) {
  std::string buffer = "12,ab\r\nnext\r";
  EXPECT_EQ(take_buffered_field(buffer, false), "12");
  EXPECT_EQ(buffer, "ab\r\nnext\r");
  EXPECT_EQ(take_buffered_field(buffer, false), "ab");
  EXPECT_EQ(buffer, "next\r");  // one "\n" after the terminator goes with it
  EXPECT_EQ(take_buffered_field(buffer, true), "next");
  EXPECT_EQ(buffer, "");
  buffer = "a,b\rc";
  EXPECT_EQ(take_buffered_field(buffer, true), "a,b");
  EXPECT_EQ(buffer, "c");
}

}  // namespace
}  // namespace tess
