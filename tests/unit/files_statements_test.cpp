// The file statements and functions in whole programs on the headless host,
// each run in a fresh temporary directory (the run's start directory): the
// record example, layout limits, exclusive opens, directory changes and resets,
// the end-of-file test, and the write statement on the console.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "program_runner.h"
#include "tokenizer_test_support.h"

namespace tess {
namespace {

namespace fs = std::filesystem;
using tess::testing::run_text;
using tess::tok::testing::text_of;

// A fresh directory that is the process's working directory while it lives, so
// the headless file system starts runs there.
class TempDirectory {
 public:
  TempDirectory() {
    char name[] = "/tmp/tess_files_XXXXXX";
    path_ = mkdtemp(name);
    previous_ = fs::current_path();
    fs::current_path(path_);
  }
  ~TempDirectory() {
    fs::current_path(previous_);
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;
  const fs::path& path() const { return path_; }
  std::string read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  fs::path path_, previous_;
};

testing::RunResult run(std::string_view source, std::string_view typed = "") {
  return run_text(text_of(source), typed);
}

std::string slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(FileStatements, AddressBookExample) {
  TempDirectory dir;
  const std::string source = slurp(std::string(TESS_SOURCE_DIR) + "/examples/addressbook.bas");
  const auto r = run(source, "a\nSato\n03-1234\na\nSuzuki Ichiro\n06-9876-5432\nu\n2\n06-0000\nu\n7\nl\nq\n");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("added as  2"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("no such entry"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(" 2   Suzuki Ichiro    06-0000     \n"), std::string::npos) << r.out;
  EXPECT_EQ(dir.read("address.dat"),
            "Sato            03-1234     "
            "Suzuki Ichiro   06-0000     ");
}

TEST(FileStatements, LayoutLimitsAreRefused) {
  TempDirectory dir;
  std::string many = "field #1";
  for (int i = 0; i < 255; ++i) many += ", 1 as f" + std::to_string(i) + "$";
  EXPECT_EQ(run(many).status, 1);
  std::string long_names = "field #1";
  for (int i = 0; i < 60; ++i) long_names += ", 1 as name_of_twenty_" + std::to_string(i) + "$";
  const auto r = run(long_names);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("1023"), std::string::npos) << r.err;
  EXPECT_EQ(run("field #1, -1 as a$").status, 1);
  EXPECT_EQ(run("field #1, 2 as a, 2 as b$").status, 1);  // a numeric field name
  EXPECT_EQ(run("field #1, 2 as a$, 2 as b\nprint \"ok\"").out, "ok\n");  // the last one is not checked
  EXPECT_EQ(run("field #1, 2 as a$\nlset b$ = \"x\"").status, 1);        // not a field
}

TEST(FileStatements, ExclusiveOpensAndFileNumbers) {
  TempDirectory dir;
  auto r = run("open \"x.txt\" for output as #1\nopen \"x.txt\" for input as #2\nprint \"no\"");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  r = run("open \"x.txt\" for output as #1\nopen \"x.txt\" for input as #1\nprint eof(1)");
  EXPECT_EQ(r.out, "-1\n") << r.err;  // the reopen closed the first handle
  for (const char* bad : {"print #0, 1", "print loc(0)", "print lof(#0)", "close 0", "get #0, 1", "input #9, a$",
                          "open \"x.txt\" as 10", "write #1, 1"})
    EXPECT_EQ(run(bad).status, 1) << bad;
}

TEST(FileStatements, DirectoryFollowsChangesAndResets) {
  TempDirectory dir;
  const auto r = run("print curdir$\nmkdir \"work\"\nchdir \"work\"\nopen \"data.txt\" for output as #1\n"
                     "print #1, \"w\"\nclose\nprint curdir$\nclear\nprint curdir$");
  EXPECT_EQ(r.status, 0) << r.err;
  std::string start = dir.path().string() + "/";
  std::replace(start.begin(), start.end(), '/', '\\');
  EXPECT_EQ(r.out, start + "\n" + start + "\\work\n" + start + "\n");  // the reset returns to the start
  EXPECT_EQ(dir.read("work/data.txt"), "w\r\n");
}

TEST(FileStatements, EndOfFileTestLeavesThePosition) {
  TempDirectory dir;
  const auto r = run("open \"e.txt\" for output as #1\nprint #1, \"ab\";\nclose\nopen \"e.txt\" for input as #1\n"
                     "print eof(1); loc(1)\nline input #1, a$\nprint eof(1); loc(1); a$");
  EXPECT_EQ(r.out, " 0  0\n-1  2 ab\n") << r.err;
}

TEST(FileStatements, WriteToTheConsoleAndUnclosedFilesKeepTheirBytes) {
  TempDirectory dir;
  auto r = run("a$ = \"q\"\nwrite 1.5, \"xy\", a$; -0.5, 0.25\nwrite");
  EXPECT_EQ(r.out, "1.5,xy,q,-.5,.25\n\n");
  r = run("open \"k.txt\" for output as #4\nprint #4, \"kept\"\nwrite #4, 1\nend");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(dir.read("k.txt"), "kept\r\n1\r\n");
}

}  // namespace
}  // namespace tess
