// filedlg's command-line options and filter.
#include <gtest/gtest.h>

#include <string>

#include "filedlg/options.h"

namespace {

using filedlg::Mode;
using filedlg::parse_options;

TEST(FiledlgOptions, DefaultsAndModes) {
  auto o = parse_options("");
  EXPECT_EQ(o.mode, Mode::Open);
  EXPECT_EQ(o.filter, filedlg::kDefaultFilter);
  EXPECT_TRUE(o.default_extension.empty());
  EXPECT_EQ(parse_options(" -s").mode, Mode::Save);
  EXPECT_EQ(parse_options("-S -o").mode, Mode::Open);
  EXPECT_EQ(parse_options("-l").mode, Mode::Open);
}

TEST(FiledlgOptions, DefaultExtensionAndFilter) {
  auto o = parse_options("-S -Dtxt Text files/*.txt/");
  EXPECT_EQ(o.mode, Mode::Save);
  EXPECT_EQ(o.default_extension, "txt");
  EXPECT_EQ(o.filter, "Text files/*.txt/");
  EXPECT_EQ(filedlg::dialog_filter(o.filter), std::string("Text files\0*.txt\0\0\0", 19));
  // The three characters after D are taken whatever they are.
  o = parse_options("-dab -x");
  EXPECT_EQ(o.default_extension, "ab ");
  EXPECT_TRUE(o.bad_option);
  // At the end of the line the extension is what is left.
  EXPECT_EQ(parse_options("-Dc").default_extension, "c");
  // Once the filter starts, options inside it are part of it.
  EXPECT_EQ(parse_options("All/*.*/ -S").filter, "All/*.*/ -S");
  EXPECT_EQ(parse_options("All/*.*/ -S").mode, Mode::Open);
}

TEST(FiledlgOptions, BadOptionsStopTheScan) {
  EXPECT_TRUE(parse_options("-X").bad_option);
  EXPECT_TRUE(parse_options("-o -q -s").bad_option);
  EXPECT_FALSE(parse_options("-1 files").bad_option);  // not a letter: the filter starts
  EXPECT_EQ(parse_options("-1 files").filter, "-1 files");
}

}  // namespace
