// The layout rules shared by the painted console and the headless grid, the text
// position, and the layer's insert and erase.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/grid_layout.h"
#include "console/layout_walk.h"
#include "console/text_position.h"

namespace {

using namespace tess;

constexpr uint32_t kWhite = 0xFFFFFF, kRed = 0x0000FF, kNone = kTransparent;

TextLayer layer_with(std::string_view bytes) {
  TextLayer layer;
  layer.insert(0, bytes, kWhite, 0);
  layer.cursor = layer.length();
  return layer;
}

std::vector<LayoutUnit> units_of(const TextLayer& layer, const LayoutBounds& bounds, LayoutResult* result = nullptr) {
  std::vector<LayoutUnit> units;
  auto r = walk_layout(layer, bounds, [](const LayoutUnit& u) { return u.kind == UnitKind::TransparentCell ? 1 : u.size; }, [&](const LayoutUnit& u) { units.push_back(u); });
  if (result) *result = r;
  return units;
}

TEST(LayoutWalk, DoubleByteCharactersAndEscapedBlanksAreOneUnit) {
  const TextLayer layer = layer_with("a\x82\xa0\x01L\nb");
  LayoutResult r;
  const auto units = units_of(layer, {1, 80, 25, {}}, &r);
  ASSERT_EQ(units.size(), 4u);
  EXPECT_EQ(units[1].size, 2);
  EXPECT_EQ(units[1].x, 1);
  EXPECT_EQ(units[2].kind, UnitKind::TransparentCell);
  EXPECT_EQ(units[2].x, 3) << "a double-byte character is two cells";
  EXPECT_EQ(units[3].y, 1);
  EXPECT_EQ(r.bottom, 2);
  EXPECT_EQ(r.caret.x, 1);
  EXPECT_EQ(r.caret.y, 2) << "the caret point is the bottom of the cursor's row";
}

TEST(LayoutWalk, ALeadByteBeforeTheEndStopsTheWalk) {
  const TextLayer layer = layer_with("ab\x82");
  EXPECT_EQ(units_of(layer, {1, 80, 25, {}}).size(), 2u);
}

TEST(LayoutWalk, TextWrapsAtTheRightEdgeAndAtTheTextArea) {
  const TextLayer layer = layer_with("abcdefghij");
  auto rows = [&](LayoutBounds b) {
    LayoutResult r;
    units_of(layer, b, &r);
    return r.bottom;
  };
  EXPECT_EQ(rows({1, 80, 25, {}}), 1);
  // x + width reaching the edge wraps: 4 columns hold 3 bytes a row.
  EXPECT_EQ(rows({1, 4, 25, {}}), 4);
  EXPECT_EQ(rows({1, 80, 25, {true, 5, 25}}), 3) << "a row that ends exactly at the area wraps";
  EXPECT_EQ(rows({1, 80, 25, {true, 0, 0}}), 11) << "an area 0 wide puts every byte on a row of its own";
}

TEST(GridLayout, ScrollingRemovesWholeLogicalLinesAndPutsTheCursorAtTheEnd) {
  std::string text(200, 'w');  // three rows on an 80-column grid
  text += "\n";
  for (int i = 0; i < 23; ++i) text += "line\n";
  text += "last";
  TextLayer layer = layer_with(text);
  layer.cursor = 5;
  Grid grid;
  EXPECT_EQ(rows_used(layer, grid), 27);
  scroll_to_fit(layer, grid);
  EXPECT_EQ(rows_used(layer, grid), 24);
  EXPECT_EQ(layer.text().substr(0, 5), "line\n");
  EXPECT_EQ(layer.cursor, layer.length());
}

TEST(GridLayout, TheTextAreaLimitsTheRowsToo) {
  TextLayer layer = layer_with("1\n2\n3\n4");
  Grid grid;
  grid.area = {true, 80, 2};
  scroll_to_fit(layer, grid);
  EXPECT_EQ(layer.text(), "3\n4");
  grid.area = {true, 80, 0};
  scroll_to_fit(layer, grid);
  EXPECT_EQ(layer.text(), "") << "a text area 0 lines high keeps nothing";
}

TEST(TextPosition, BeyondTheLastLineAppendsLinesAndEscapedBlanks) {
  TextLayer layer = layer_with("ab");
  position_cursor(layer, 3, 2, kWhite, 0);
  EXPECT_EQ(layer.text(), "ab\n\n\x01L\x01L\x01L");
  EXPECT_EQ(layer.cursor, layer.length());
}

TEST(TextPosition, ColumnsAreBytesAndEscapesCountOnce) {
  TextLayer layer = layer_with("x\n\x82\xa0\x01Lcd\nz");
  position_cursor(layer, 3, 1, kWhite, 0);
  EXPECT_EQ(layer.cursor, 2 + 4) << "a double-byte character is two columns, the escape one";
  position_cursor(layer, 0, 2, kWhite, 0);
  EXPECT_EQ(layer.cursor, 9);
}

TEST(TextPosition, AShortLineIsPaddedBeforeItsLineEnd) {
  TextLayer layer = layer_with("ab\ncd");
  position_cursor(layer, 4, 0, kRed, kNone);
  EXPECT_EQ(layer.text(), "ab\x01L\x01L\ncd");
  EXPECT_EQ(layer.cursor, 6);
  EXPECT_EQ(layer.foreground(7), kWhite) << "the colours move with the text";
  EXPECT_EQ(layer.background(2), kNone);
}

TEST(TextPosition, NegativePositionsCountAsZero) {
  TextLayer layer = layer_with("ab\ncd");
  position_cursor(layer, -5, -1, kWhite, 0);
  EXPECT_EQ(layer.cursor, 0);
}

TEST(TextPosition, PaddingNeverGrowsTheTextPastTheLayer) {
  TextLayer layer = layer_with(std::string(TextLayer::kSize - 4, 'q'));
  position_cursor(layer, TextLayer::kSize, 0, kWhite, 0);
  EXPECT_EQ(layer.length(), TextLayer::kSize - 2) << "one pair fits, half a pair does not";
  EXPECT_EQ(layer.cursor, layer.length());
  TextLayer tall = layer_with("x");
  position_cursor(tall, 0, 100000, kWhite, 0);
  EXPECT_EQ(tall.length(), TextLayer::kSize - 1);
}

TEST(TextLayerEdit, EraseBeforeTheCursorStopsAtTheStart) {
  TextLayer layer = layer_with("abcd");
  layer.cursor = 2;
  layer.erase_before_cursor(5);
  EXPECT_EQ(layer.text(), "cd");
  EXPECT_EQ(layer.cursor, 0);
}

}  // namespace

namespace grid_against_walk {

using namespace tess;

// The grid lays out one logical line at a time; the walk of the whole layer is
// the reference. Scrolling must stop where scrolling whole-layer layouts stops.
int walked_bottom(const TextLayer& layer, const Grid& grid) {
  return walk_layout(layer, {1, grid.columns, grid.rows, grid.area}, [](const LayoutUnit& u) { return u.kind == UnitKind::TransparentCell ? 1 : u.size; }, [](const LayoutUnit&) {}).bottom;
}

void scroll_by_walking(TextLayer& layer, const Grid& grid) {
  const LayoutBounds bounds{1, grid.columns, grid.rows, grid.area};
  while (layer.length() > 0 &&
         needs_scroll(walk_layout(layer, bounds, [](const LayoutUnit& u) { return u.kind == UnitKind::TransparentCell ? 1 : u.size; }, [](const LayoutUnit&) {}), bounds))
    layer.scroll_first_line();
}

TEST(GridLayout, AgreesWithTheWholeLayerWalk) {
  const std::string long_line(170, 'x');
  const std::vector<std::string> texts = {
      "", "a", "\n", "\n\n", "ab\ncd", long_line, long_line + "\n" + long_line, std::string(79, 'y') + "\nz",
      std::string(78, 'y') + "\x82\xa0\n", "a\x82\nb\nc",  // a lead byte takes the line end as its trail byte
      "ab\x82", "\x82", "\x01L\x01L\n\x01Lx", "tab\x01" "D\n" + long_line + "\x82\xa0" + long_line,
  };
  for (const Grid& base : {Grid{}, Grid{4, 3, {}}, Grid{1, 2, {}}, Grid{80, 25, {true, 5, 3}}}) {
    for (const std::string& t : texts) {
      std::string many;
      for (int k = 0; k < 12; ++k) many += t + "\n";
      for (const std::string& text : {t, many}) {
        const TextLayer layer = layer_with(text);
        EXPECT_EQ(rows_used(layer, base), walked_bottom(layer, base)) << text;
        TextLayer grid_scrolled = layer_with(text), walk_scrolled = layer_with(text);
        scroll_to_fit(grid_scrolled, base);
        scroll_by_walking(walk_scrolled, base);
        EXPECT_EQ(grid_scrolled.text(), walk_scrolled.text()) << text;
        EXPECT_EQ(grid_scrolled.cursor, walk_scrolled.cursor) << text;
      }
    }
  }
}

}  // namespace grid_against_walk

namespace kept_fit {

using namespace tess;

// The kept measure of GridFit must scroll exactly as a fit from scratch after
// every write: appends of plain text (its fast path), and writes that end its
// knowledge (double-byte characters, escapes, writes inside the text, a cursor
// moved, the text area).
TEST(GridFit, ScrollsAsAFitFromScratchAfterEveryWrite) {
  const std::vector<std::string> pieces = {"line 1\n", "x", "\n", std::string(83, 'w'), "ab\ncd\nef", "\t\n",
                                           "\x82\xa0\n", "\x01L", std::string(158, 'q') + "\n", "z\n\n"};
  for (const Grid& grid : {Grid{}, Grid{4, 3, {}}, Grid{1, 2, {}}, Grid{80, 25, {true, 5, 3}}, Grid{10, 6, {}}}) {
    TextLayer kept, fresh;
    GridFit fit;
    unsigned seed = 12345;
    for (int step = 0; step < 600; ++step) {
      seed = seed * 1103515245u + 12345u;
      const std::string& piece = pieces[(seed >> 16) % pieces.size()];
      if ((seed >> 8) % 17 == 0) kept.cursor = fresh.cursor = static_cast<int>((seed >> 4) % (kept.length() + 1));
      const auto written = kept.write(piece, kWhite, 0, TextLayer::Stream::kDrop);
      fresh.write(piece, kWhite, 0, TextLayer::Stream::kDrop);
      fit.after_write(kept, grid, written.start);
      scroll_to_fit(fresh, grid);
      ASSERT_EQ(kept.text(), fresh.text()) << "grid " << grid.columns << "x" << grid.rows << ", step " << step;
      ASSERT_EQ(kept.cursor, fresh.cursor) << "step " << step;
    }
  }
}

}  // namespace kept_fit
