// The layout kept between writes must always equal a fresh walk of the whole
// layer: after appends that wrap, line ends, tabs and double-byte characters,
// and after scrolls that cut whole logical lines away.
#include <gtest/gtest.h>

#include <string>

#include "console/layout_cache.h"

namespace {

using namespace tess;

// Proportional widths, so that wrapping depends on every byte.
int width_of(const TextLayer& layer, const LayoutUnit& u) {
  if (u.kind == UnitKind::TransparentCell) return 5;
  return u.size == 2 ? 14 : 4 + layer.byte(u.index) % 5;
}


LayoutResult fresh(const TextLayer& layer, const LayoutBounds& bounds) {
  return walk_layout(layer, bounds, [&](const LayoutUnit& u) { return width_of(layer, u); }, [](const LayoutUnit&) {});
}

void expect_same(const LayoutResult& kept, const LayoutResult& walked, const std::string& when) {
  EXPECT_EQ(kept.bottom, walked.bottom) << when;
  EXPECT_EQ(kept.caret_seen, walked.caret_seen) << when;
  if (kept.caret_seen && walked.caret_seen) {
    EXPECT_EQ(kept.caret.x, walked.caret.x) << when;
    EXPECT_EQ(kept.caret.y, walked.caret.y) << when;
  }
}

// Prints like the console: append at the end, lay out from where the last
// layout stopped, scroll whole lines away until the text fits.
TEST(LayoutCache, AppendsAndScrollsMatchAFreshWalk) {
  const LayoutBounds bounds{16, 120, 16 * 6, {}};
  TextLayer layer;
  LayoutCache cache;
  auto width = [&](const LayoutUnit& u) { return width_of(layer, u); };
  cache.rebuild(layer, bounds, width);
  const std::string pieces[] = {"line one\n", "a much longer line that wraps over rows\n", "x", "y\tz\n",
                                "\x82\xa0\x82\xa2 kana\n", "\n", "no end", " then end\n"};
  for (int round = 0; round < 40; ++round) {
    const std::string& piece = pieces[round % 8];
    ASSERT_TRUE(cache.fits(layer, bounds));
    ASSERT_EQ(layer.cursor, cache.end().i);
    layer.write(piece, 0xFFFFFF, 0);
    LayoutResult kept = cache.extend(layer, width);
    expect_same(kept, fresh(layer, bounds), "after writing piece " + std::to_string(round));
    while (needs_scroll(kept, bounds) && layer.length() > 0) {
      const int cut = layer.scroll_first_line();
      if (cache.scrolled(layer, cut)) {
        kept.bottom = cache.bottom();
        kept.caret_seen = true;
        kept.caret = {cache.end().x, cache.end().y + bounds.line_height};
      } else {
        kept = cache.rebuild(layer, bounds, width);
      }
      expect_same(kept, fresh(layer, bounds), "after a scroll in round " + std::to_string(round));
    }
    EXPECT_FALSE(needs_scroll(fresh(layer, bounds), bounds));
  }
}

TEST(LayoutCache, AnyOtherChangeOrNewBoundsNeedsANewLayout) {
  const LayoutBounds bounds{16, 120, 96, {}};
  TextLayer layer;
  LayoutCache cache;
  layer.write("abc\n", 0xFFFFFF, 0);
  cache.rebuild(layer, bounds, [&](const LayoutUnit& u) { return width_of(layer, u); });
  EXPECT_TRUE(cache.fits(layer, bounds));
  EXPECT_FALSE(cache.fits(layer, LayoutBounds{16, 200, 96, {}})) << "a wider window";
  layer.erase_before_cursor(1);
  EXPECT_FALSE(cache.fits(layer, bounds)) << "an edit of the layer";
}

}  // namespace
