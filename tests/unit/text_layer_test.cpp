// The text layer's write operation: folding, decoding, tabs, overwriting,
// insertion at a line end, the full buffer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "console/grid_layout.h"
#include "console/text_layer.h"

namespace {

using tess::TextLayer;

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0, kRed = 0x0000FF;

std::string write_all(TextLayer& layer, std::initializer_list<std::string> texts) {
  std::string stream;
  for (const auto& t : texts) {
    auto r = layer.write(t, kWhite, kBlack);
    stream += r.expanded;
    if (r.ends_line) stream += '\n';
  }
  return stream;
}

TEST(TextLayer, TabsExpandToMultiplesOfEightFromTheLineStart) {
  TextLayer layer;
  write_all(layer, {"a\tb\r\n", "12345678\tc\r\n", "xy\n\tz"});
  EXPECT_EQ(layer.text(), "a       b\n12345678        c\nxy\n        z");
}

TEST(TextLayer, CarriageReturnLineFeedFoldsToLineFeed) {
  TextLayer layer;
  write_all(layer, {"x\r\ny"});
  EXPECT_EQ(layer.text(), "x\ny");
  TextLayer lone;
  write_all(lone, {"x\ry"});
  EXPECT_EQ(lone.text(), "x\ry");
}

TEST(TextLayer, EscapesAreDecodedAndAZeroByteShowsAsABlank) {
  TextLayer layer;
  auto r = layer.write("a\x01Zb\x01" "Dc\x01\x01" "d\x01L", kWhite, kBlack);
  EXPECT_EQ(r.expanded, std::string("a b\"c\x01" "d "));
  EXPECT_EQ(layer.text(), r.expanded);
}

TEST(TextLayer, AWriteEndingInLineFeedEndsTheLine) {
  TextLayer layer;
  auto r = layer.write("ab\n", kWhite, kBlack);
  EXPECT_TRUE(r.ends_line);
  EXPECT_EQ(r.expanded, "ab");
  EXPECT_EQ(layer.text(), "ab\n");
  EXPECT_EQ(layer.cursor, 3);
}

TEST(TextLayer, OverwritingKeepsTheRestOfTheLine) {
  TextLayer layer;
  write_all(layer, {"wxyz"});
  layer.cursor = 1;
  write_all(layer, {"ab"});
  EXPECT_EQ(layer.text(), "wabz");
  EXPECT_EQ(layer.cursor, 3);
}

TEST(TextLayer, OverwritingWithALineEndMovesPastTheNextLineFeed) {
  TextLayer layer;
  write_all(layer, {"wxyz\n", "second\n"});
  layer.cursor = 1;
  write_all(layer, {"a\n"});
  EXPECT_EQ(layer.text(), "wayz\nsecond\n");
  EXPECT_EQ(layer.cursor, 5);
}

TEST(TextLayer, OverwritingTheLastLineWithALineEndTerminatesIt) {
  TextLayer layer;
  write_all(layer, {"abc"});
  layer.cursor = 1;
  write_all(layer, {"X\n"});
  EXPECT_EQ(layer.text(), "aXc\n");
  EXPECT_EQ(layer.cursor, 4);
}

TEST(TextLayer, WritingAtALineEndInsertsBeforeIt) {
  TextLayer layer;
  write_all(layer, {"one\n", "two\n", "three\n"});
  layer.cursor = 3;  // on the "\n" of the first line
  write_all(layer, {"AB"});
  EXPECT_EQ(layer.text(), "oneAB\ntwo\nthree\n");
  EXPECT_EQ(layer.cursor, 5);
}

TEST(TextLayer, InsertedBytesKeepTheirColoursAndShiftTheOthers) {
  TextLayer layer;
  layer.write("ab\n", kWhite, kBlack);
  layer.write("c", kRed, kBlack);
  layer.cursor = 2;
  layer.write("Z", kRed, tess::kTransparent);
  EXPECT_EQ(layer.text(), "abZ\nc");
  EXPECT_EQ(layer.foreground(2), kRed);
  EXPECT_EQ(layer.background(2), tess::kTransparent);
  EXPECT_EQ(layer.foreground(4), kRed);
  EXPECT_EQ(layer.foreground(0), kWhite);
}

// A screen without a transcript drops the stream form; the layer must end up the
// same, byte for byte and colour for colour, whichever path a text takes.
TEST(TextLayer, DroppingTheStreamStoresTheSameLayer) {
  const std::string texts[] = {"plain\n", "tab\there\r\n", "esc\x01Zx\n", "lone\rcr", std::string(9000, 'w'),
                               "after the cut\n", "\t\n"};
  TextLayer kept, dropped;
  for (const auto& t : texts) {
    const auto k = kept.write(t, kWhite, kBlack);
    const auto d = dropped.write(t, kRed, kBlack, TextLayer::Stream::kDrop);
    EXPECT_TRUE(d.expanded.empty());
    EXPECT_EQ(d.ends_line, k.ends_line) << t.substr(0, 20);
    EXPECT_EQ(d.start, k.start);
    kept.cursor = dropped.cursor = std::min(kept.cursor, 200);  // write over the start again
  }
  EXPECT_EQ(dropped.text(), kept.text());
  for (int i = 0; i < kept.length(); ++i) EXPECT_EQ(dropped.foreground(i), kRed) << i;
}

TEST(TextLayer, AFullBufferTakesNoMoreCharacters) {
  TextLayer layer;
  const std::string chunk(4000, 'x');
  write_all(layer, {chunk, chunk, chunk});
  EXPECT_EQ(layer.cursor, TextLayer::kSize);
  EXPECT_EQ(layer.length(), TextLayer::kSize);
  auto r = layer.write("more", kWhite, kBlack);
  EXPECT_EQ(layer.cursor, TextLayer::kSize);
  EXPECT_EQ(r.expanded, "more");  // the stream still shows what was written
}

TEST(TextLayer, InsertionNearTheEndNeverWritesPastTheBuffer) {
  TextLayer layer;
  write_all(layer, {"a\n", std::string(8180, 'y')});
  layer.cursor = 1;  // on the first "\n"
  write_all(layer, {std::string(100, 'z')});
  EXPECT_EQ(layer.length(), TextLayer::kSize);
  EXPECT_EQ(layer.text().substr(0, 101), "a" + std::string(100, 'z'));
  EXPECT_EQ(layer.byte(101), '\n');
}

TEST(TextLayer, ALongTextIsCutToTheWorkBuffer) {
  TextLayer layer;
  auto r = layer.write(std::string(9000, 'q'), kWhite, kBlack);
  EXPECT_EQ(r.expanded.size(), 8191u);
  EXPECT_EQ(layer.length(), 8191);
}

TEST(TextLayer, ACutNeverSplitsAnEscapePair) {
  std::string text(8190, 'q');
  text += "\x01" "D";  // the pair straddles the 8191-byte work buffer end
  EXPECT_EQ(tess::fold_and_decode(text), std::string(8190, 'q'));
}

TEST(TextLayer, ScrollingRemovesTheWholeFirstLogicalLine) {
  TextLayer layer;
  write_all(layer, {"first\n", "second\n", "x"});
  layer.scroll_first_line();
  EXPECT_EQ(layer.text(), "second\nx");
  EXPECT_EQ(layer.cursor, 8);
  TextLayer single;
  write_all(single, {"no line end"});
  single.scroll_first_line();
  EXPECT_EQ(single.text(), "");
}

TEST(GridLayout, LongLinesWrapAndCountAsOneLogicalLine) {
  TextLayer layer;
  write_all(layer, {std::string(100, 'a') + "\n", "b\n"});
  // 100 bytes at 79 per row (a row wraps when the next cell would reach the edge)
  // take two rows, "b" one, and the cursor's empty row one.
  EXPECT_EQ(tess::rows_used(layer, {80, 25}), 4);
}

TEST(GridLayout, ScrollToFitKeepsTheLast25Rows) {
  TextLayer layer;
  for (int i = 0; i < 30; ++i) write_all(layer, {"line " + std::to_string(i) + "\n"});
  tess::scroll_to_fit(layer, {80, 25});
  EXPECT_EQ(tess::rows_used(layer, {80, 25}), 25);
  EXPECT_EQ(layer.text().substr(0, 8), "line 6\nl");
}

}  // namespace

// The length stops at the terminator wherever it falls in a word of eight bytes,
// with older, longer text still lying beyond it.
TEST(TextLayer, LengthEndsAtTheTerminatorOverOlderText) {
  TextLayer layer;
  for (int n = 0; n <= 40; ++n) {
    layer.clear();
    layer.write(std::string(60, 'o'), 0, 0);
    layer.clear();
    layer.write(std::string(static_cast<std::size_t>(n), 'x'), 0, 0);
    EXPECT_EQ(layer.length(), n);
    EXPECT_EQ(layer.text(), std::string(static_cast<std::size_t>(n), 'x'));
  }
}
