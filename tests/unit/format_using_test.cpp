// Formatted printing: the field walker and the numeric field forms.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "console/format_using.h"
#include "console/number_field.h"
#include "interp/error.h"

namespace {

// Items given as texts; a numeric field reads its item as a number (empty: 0).
class ListedItems : public tess::FieldItems {
 public:
  explicit ListedItems(std::vector<std::string> items) : items_(std::move(items)) {}
  std::string next_string() override { return next(); }
  double next_number() override {
    const std::string item = next();
    return item.empty() ? 0.0 : std::stod(item);
  }

 private:
  std::string next() { return position_ < items_.size() ? items_[position_++] : std::string(); }
  std::vector<std::string> items_;
  std::size_t position_ = 0;
};

std::string format(const std::string& w, std::vector<std::string> items) {
  ListedItems list(std::move(items));
  return tess::format_fields(w, list);
}

struct Case {
  const char* format;
  std::vector<std::string> items;
  std::string expected;
};

void expect_all(const std::vector<Case>& cases) {
  for (const auto& c : cases)
    EXPECT_EQ(format(c.format, c.items), c.expected) << "format " << c.format;
}

TEST(FormatFields, FixedNumericFields) {
  expect_all({
      {"###.##", {"3.14159"}, "  3.14"},
      {"#,###", {"1234"}, "1,234"},
      {"#,###", {"-123"}, " -123"},
      {"#,###,###", {"1234567"}, "1,234,567"},
      {"##,###", {"123"}, "   123"},
      {"#,###.##", {"1234.567"}, "1,234.57"},
      {"+##", {"5"}, " +5"},
      {"+#.#", {"-2.26"}, "-2.3"},
      {"###", {"-7"}, " -7"},
      {"###", {"2.5e1"}, " 25"},
  });
}

TEST(FormatFields, LoneZeroIntegerPartIsDropped) {
  expect_all({
      {".##", {"0.5"}, ".50"},
      {"+.##", {"0.5"}, "+.50"},
      {"#.##", {"-0.5"}, "-.50"},
      {"#.##", {"0.5"}, "0.50"},
  });
}

TEST(FormatFields, OverflowMarkGrowsTheText) {
  expect_all({
      {"###.##x", {"1234.5"}, "%1234.50x"},
      {"#.##", {"9.999"}, "%10.00"},
      {"#,###", {"123456"}, "%123,456"},
      {"#,###", {"-1234"}, "%-1,234"},
      {"##", {"-10"}, "%-10"},
  });
}

TEST(FormatFields, ShortCaretRunsStayText) {
  expect_all({
      {"##^^", {"12"}, "12^^"},
      {"#.^^", {"5"}, "5.^^"},
      {"##.##^^^", {"3"}, " 3.00^^^"},
  });
}

TEST(FormatFields, ExponentForm) {
  expect_all({
      {"##.##^^^^", {"1234.5"}, "12.35E+02"},
      {"#.##^^^^", {"1234.5"}, "1.23E+03"},
      {"#.##^^^^", {"0.00123"}, "1.23E-03"},
      {"##.##^^^^", {"-1234.5"}, "-1.23E+03"},
      {"+#.##^^^^", {"1234.5"}, "+1.23E+03"},
      {"+.##^^^^", {"1234.5"}, "+.12E+04"},
      {"+.##^^^^", {"-1234.5"}, "-.12E+04"},
      {".##^^^^", {"1234.5"}, ".12E+04"},
      {"#^^^^", {"9.6"}, "1E+01"},
      {"#^^^^", {"0.96"}, "1E+00"},
      {"#.^^^^", {"5"}, "5.E+00"},
      {"###^^^^", {"5"}, "500E-02"},
      {"#.##^^^^^", {"1234.5"}, "1.23E+003"},
  });
}

TEST(FormatFields, ExponentFormOfZero) {
  expect_all({
      {"##.##^^^^", {"0"}, " 0.00E+00"},
      {"#.##^^^^", {"0"}, "0.00E+00"},
      {".##^^^^", {"0"}, ".00E+00"},
      {"+.##^^^^", {"0"}, "+.00E+00"},
      {"+##.#^^^^", {"0"}, " +0.0E+00"},
  });
}

TEST(FormatFields, ExponentFractionRoundingUpCarries) {
  expect_all({
      {"#.##^^^^", {"9.999"}, "1.00E+01"},
      {"##.#^^^^", {"99.96"}, "10.0E+01"},
      {".##^^^^", {"0.9999"}, ".10E+01"},
      {"#.##^^^^", {"-9.999"}, "-.10E+02"},
  });
}

TEST(FormatFields, NegativeExponentFormWithoutRoomForTheSign) {
  expect_all({
      {"#.##^^^^", {"-5"}, "-.50E+01"},
      {"#.##^^^^", {"-0.05"}, "-.50E-01"},
      {".##^^^^", {"-5"}, "%-.50E+01"},
  });
}

TEST(FormatFields, ExponentWiderThanItsCaretsGrowsWithOverflowMark) {
  expect_all({
      {"#.##^^^^x", {"1e100"}, "%1.00E+100x"},
      {"#.##^^^^", {"1e-100"}, "%1.00E-100"},
      {"#.##^^^^^", {"1e100"}, "1.00E+100"},
  });
}

TEST(FormatFields, StringFields) {
  expect_all({
      {"&  &", {"abcdef"}, "abcd"},
      {"&  &", {"ab"}, "ab  "},
      {"&&|", {"xyz"}, "xy|"},
      {"[@]", {""}, "[]"},
      {"@@", {"ab", "cd"}, "abcd"},
      {"<@>", {"a long text"}, "<a long text>"},
  });
}

TEST(FormatFields, TextFieldNeverSplitsAnEscapeOrADoubleByteCharacter) {
  expect_all({
      {"&&", {"\x01" "Dab"}, "\x01" "D"},
      {"&&", {"a\x01" "D"}, "a "},
      {"&&", {"a\x82\xa0"}, "a "},  // "aあ"
      {"& &", {"a\x82\xa0"}, "a\x82\xa0"},
      {"&&", {"\x82\xa0z"}, "\x82\xa0"},
  });
}

TEST(FormatFields, MalformedTextFieldIsAnError) {
  for (const char* w : {"&x&", "& ", "&"}) {
    ListedItems items({"abc"});
    EXPECT_THROW(tess::format_fields(w, items), tess::ProgramError) << w;
  }
}

TEST(FormatFields, InsertedTextIsNotScannedAgain) {
  expect_all({
      {"@#", {"a#", "5"}, "a#5"},
      {"@ &&", {"&", "xy"}, "& xy"},
  });
}

TEST(FormatFields, MissingItemsAreEmpty) {
  expect_all({
      {"# #", {"7"}, "7 0"},
      {"@|&&|#", {}, "|  |0"},
  });
}

TEST(FormatFields, DoubleByteCharactersHideFieldBytes) {
  // 0x83 0x40 is a katakana, 0x83 0x23 a lead byte with '#' as its trail byte.
  expect_all({
      {"\x83\x23#", {"7"}, "\x83\x23" "7"},
      {"\x83\x40@", {"z"}, "\x83\x40z"},
  });
}

TEST(FormatFields, EscapedBytesAreNotFields) {
  expect_all({{"\x01\x01#", {"3"}, "\x01\x01" "3"}});
}

TEST(FormatFields, WalkStopsAt8192Bytes) {
  const std::string early = std::string(8191, 'x') + "#";
  const std::string late = std::string(8192, 'x') + "#";
  EXPECT_EQ(format(early, {"4"}), std::string(8191, 'x') + "4");
  EXPECT_EQ(format(late, {"4"}), late);
}

TEST(NumberField, HugeFieldsStayInsideTheirText) {
  tess::NumberField field;
  field.integer_positions = 400;
  field.carets = 4;
  field.length = 404;
  EXPECT_EQ(tess::exponent_field(field, 5), "%5");
  field.carets = 0;
  field.length = 400;
  EXPECT_EQ(tess::fixed_field(field, 5), std::string(399, ' ') + "5");
}

TEST(NumberField, NonFiniteValuesOverflow) {
  tess::NumberField field;
  field.integer_positions = 2;
  field.decimals = 2;
  field.carets = 4;
  field.length = 9;
  EXPECT_EQ(tess::exponent_field(field, HUGE_VAL), "%inf");
  EXPECT_EQ(tess::exponent_field(field, -HUGE_VAL), "%-inf");
}

}  // namespace
