// The portable rules of the file subsystem: path resolution and the change of
// directory, the open statement's syntax, field layouts and fitting, and the
// serial settings with their defaults.
#include <gtest/gtest.h>

#include "files/open_syntax.h"
#include "files/path_rules.h"
#include "files/record_layout.h"
#include "files/serial_settings.h"
#include "interp/error.h"

namespace tess {
namespace {

int error_number(auto&& action) {
  try {
    action();
  } catch (const ProgramError& e) {
    return e.number;
  }
  return 0;
}

TEST(PathRules, ResolveAgainstTheCurrentDirectory) {
  EXPECT_EQ(resolve_path("C:\\prog\\", "data.txt"), "C:\\prog\\\\data.txt");
  EXPECT_EQ(resolve_path("C:\\prog\\", "sub\\file.txt"), "C:\\prog\\\\sub\\file.txt");
  EXPECT_EQ(resolve_path("C:\\prog\\", "D:\\x.txt"), "D:\\x.txt");
  EXPECT_EQ(resolve_path("C:\\prog\\", "combo:file"), "combo:file");
  EXPECT_EQ(resolve_path("C:\\prog\\", "\\\\server\\share\\f"), "\\\\server\\share\\f");
  // After a change of directory to work, data.txt lies in the module directory's work.
  const std::string work = change_directory("C:\\prog\\", "work");
  EXPECT_EQ(resolve_path(work, "data.txt"), "C:\\prog\\\\work\\data.txt");
}

TEST(PathRules, ChangeDirectory) {
  EXPECT_EQ(change_directory("C:\\prog\\", "D:\\"), "D:\\");       // a drive root keeps its backslash
  EXPECT_EQ(change_directory("C:\\prog\\", "D:\\tmp\\"), "D:\\tmp");
  EXPECT_EQ(change_directory("C:\\prog", "sub\\"), "C:\\prog\\sub");
  EXPECT_EQ(change_directory("C:\\prog", "a\\\\b"), "a\\\\b");      // a doubled backslash replaces
  EXPECT_EQ(change_directory("C:\\prog", std::string(400, 'x')).size(), kDirectoryLimit);
  EXPECT_EQ(directory_of("C:\\apps\\run.exe"), "C:\\apps\\");
}

TEST(OpenSyntax, ModesAndFileNumbers) {
  struct Case {
    std::string_view args;
    OpenMode mode;
    int number;
    std::string_view name;
  };
  for (const Case& c : {Case{"\"a.txt\" for input as #1", OpenMode::Input, 1, "\"a.txt\""},
                        Case{"\"a b\" FOR Output AS 9", OpenMode::Output, 9, "\"a b\""},
                        Case{"n$ for append\tas\t# 3", OpenMode::Append, 3, "n$"},
                        Case{"\"r.dat\" as #2", OpenMode::Random, 2, "\"r.dat\""}}) {
    const OpenSyntax s = parse_open(c.args);
    EXPECT_EQ(s.mode, c.mode) << c.args;
    EXPECT_EQ(s.number, c.number) << c.args;
    EXPECT_EQ(s.name_expression, c.name) << c.args;
  }
  for (std::string_view bad : {"\"a\" as #0", "\"a\" as #10", "\"a\" as #1x", "\"a\" for read as #1", "\"a\" #1",
                               "\"a\"", "\"a\" for input #1"})
    EXPECT_NE(error_number([&] { parse_open(bad); }), 0) << bad;
}

TEST(RecordLayout, FieldStatementAndLength) {
  const FieldStatement f = parse_field_statement("#2, 4 as a$, 6 AS b$(1,2), (n+1) as c$");
  EXPECT_EQ(f.number, 2);
  ASSERT_EQ(f.entries.size(), 3u);
  EXPECT_EQ(f.entries[0].width_expression, "4");
  EXPECT_EQ(f.entries[1].name, "b$(1,2)");
  EXPECT_EQ(f.entries[2].width_expression, "(n+1)");  // a ')' before "as" stays
  EXPECT_EQ(f.entries[2].name, "c$");

  RecordLayout layout{"a$,b$(1,2)", {4, 6}};
  EXPECT_EQ(layout.record_length(), 10);  // record 3 starts at byte 20
  EXPECT_EQ(layout.field_names(), (std::vector<std::string>{"a$", "b$(1,2)"}));
  EXPECT_EQ(layout.width_of("b$(1,2)"), 6);
  EXPECT_EQ(layout.width_of("B$(1,2)"), -1);  // case-sensitive

  EXPECT_EQ(error_number([] { parse_field_statement("#0,4 as a$"); }), 5);
  EXPECT_EQ(error_number([] { parse_field_statement("1,4 a$"); }), 1);
}

TEST(RecordLayout, FittingIntoAField) {
  EXPECT_EQ(fit_left("ab", 5), "ab   ");
  EXPECT_EQ(fit_right("ab", 5), "   ab");
  EXPECT_EQ(fit_left("abcdefg", 5), "abcde");
  EXPECT_EQ(fit_right("abcdefg", 5), "abcde");
  EXPECT_EQ(fit_left(std::string("\0\x01", 2), 3), std::string("\0\x01 ", 3));
}

TEST(SerialSettings, RecognisedNames) {
  EXPECT_TRUE(is_serial_name("com:"));
  EXPECT_TRUE(is_serial_name("COM2:E71X"));
  EXPECT_TRUE(is_serial_name("Com3:"));
  EXPECT_FALSE(is_serial_name("combo:file"));  // a letter follows com
  EXPECT_FALSE(is_serial_name("com1"));        // no colon
  EXPECT_FALSE(is_serial_name("con:"));
}

TEST(SerialSettings, SettingsStringByPosition) {
  SerialOpen o = parse_serial_name("com:N81N", kBuiltinSerialDefaults);
  EXPECT_EQ(o.port, "com1");
  EXPECT_EQ(baud_rate(o.settings.baud_index), 9600u);
  EXPECT_EQ(o.settings.parity, 0);
  EXPECT_EQ(o.settings.data_bits, 8);
  EXPECT_EQ(o.settings.stop_bits, 0);
  EXPECT_EQ(o.settings.xon_xoff, 0);
  EXPECT_EQ(o.settings.rts_cts, 0);

  SerialSettings rts = kBuiltinSerialDefaults;
  rts.rts_cts = 1;
  o = parse_serial_name("COM2:E71X", rts);
  EXPECT_EQ(o.port, "COM2");
  EXPECT_EQ(o.settings.parity, 2);
  EXPECT_EQ(o.settings.data_bits, 7);
  EXPECT_EQ(o.settings.stop_bits, 0);
  EXPECT_EQ(o.settings.xon_xoff, 1);
  EXPECT_EQ(o.settings.rts_cts, 1);  // keeps its default

  EXPECT_EQ(parse_serial_name("com3:", kBuiltinSerialDefaults).settings, kBuiltinSerialDefaults);
  EXPECT_EQ(parse_serial_name("com1:nnnx", kBuiltinSerialDefaults).settings, kBuiltinSerialDefaults);  // x is not X
  o = parse_serial_name("com1:o73S", kBuiltinSerialDefaults);
  EXPECT_EQ(o.settings.parity, 1);
  EXPECT_EQ(o.settings.stop_bits, 2);
  EXPECT_EQ(o.settings.rts_cts, 1);
  EXPECT_EQ(o.settings.xon_xoff, 1);
  o = parse_serial_name("com1:E82D", kBuiltinSerialDefaults);
  EXPECT_EQ(o.settings.stop_bits, 1);
  EXPECT_EQ(o.settings.xon_xoff + o.settings.rts_cts, 2);
}

TEST(SerialSettings, RegistryDefaultsAndBaudTable) {
  const SerialSettings s = parse_serial_defaults("2 12 8 0 0 0 1");
  const SerialOpen o = parse_serial_name("com:", s);
  EXPECT_EQ(o.port, "com2");
  EXPECT_EQ(baud_rate(o.settings.baud_index), 115200u);
  EXPECT_EQ(o.settings.rts_cts, 1);
  EXPECT_EQ(o.settings.xon_xoff, 0);

  const SerialSettings partial = parse_serial_defaults("3 4");
  EXPECT_EQ(partial.port, 3);
  EXPECT_EQ(partial.baud_index, 4);
  EXPECT_EQ(partial.data_bits, 0);  // settings it lacks stay 0
  EXPECT_EQ(partial.xon_xoff, 0);
  EXPECT_EQ(kBuiltinSerialDefaults, (SerialSettings{1, 6, 8, 0, 0, 1, 0}));

  const uint32_t table[] = {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
  for (int i = 0; i < 15; ++i) EXPECT_EQ(baud_rate(i), table[i]) << i;
  EXPECT_EQ(baud_rate(15), 9600u);
  EXPECT_EQ(baud_rate(-1), 9600u);
}

}  // namespace
}  // namespace tess
