// The colour rule, the circle's radial points and radii, the flood fill and the
// image table: the portable halves of the drawing statements.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/circle_geometry.h"
#include "graphics/colour_rule.h"
#include "graphics/flood_fill.h"
#include "graphics/image_table.h"
#include "interp/error.h"

namespace tess {
namespace {

TEST(ColourRule, BasicNegativeAndOutOfRangeNumbers) {
  EXPECT_EQ(colour_rgb(1), 0xFF0000u);
  EXPECT_EQ(colour_rgb(2), 0x0000FFu);
  EXPECT_EQ(colour_rgb(6), 0x00FFFFu);
  EXPECT_EQ(colour_rgb(7), 0xFFFFFFu);
  for (int32_t black : {0, 8, 100}) EXPECT_EQ(colour_rgb(black), 0u) << black;
  EXPECT_EQ(colour_rgb(-255), 0x0000FFu);  // pure red
  EXPECT_EQ(colour_rgb(-1), 1u);           // an RGB value, not a palette colour
  EXPECT_EQ(colour_rgb(INT32_MIN), 0x80000000u);
}

TEST(ColourRule, PointReadsBasicColoursBackAndOthersNegated) {
  for (int32_t n = 0; n <= 7; ++n) EXPECT_EQ(colour_number_of(colour_rgb(n)), n);
  EXPECT_EQ(colour_number_of(0x0080FF), -0x0080FF);  // orange
  EXPECT_EQ(rgb_colour_number(255, 0, 0), -255);
  EXPECT_EQ(rgb_colour_number(0, 0, 0), 0);
  EXPECT_EQ(rgb_colour_number(256 + 1, 2, 3), -(3 * 65536 + 2 * 256 + 1));  // low 8 bits only
}

TEST(RadialPoints, WalkTheSquareCounterClockwise) {
  EXPECT_EQ(radial_offset(0), (RadialOffset{78, 0}));
  EXPECT_EQ(radial_offset(78.5), (RadialOffset{78, 78}));
  EXPECT_EQ(radial_offset(157), (RadialOffset{0, 78}));  // straight up
  EXPECT_EQ(radial_offset(314), (RadialOffset{-78, 0}));
  EXPECT_EQ(radial_offset(471), (RadialOffset{0, -78}));
  EXPECT_EQ(radial_offset(628), (RadialOffset{78, 0}));
}

TEST(CirclePlan, RadiiFollowTheAspect) {
  CircleArgs c;
  c.centre = {100, 100};
  c.radius = 40;
  c.aspect = 0.5;
  CirclePlan wide = plan_circle(c);
  EXPECT_EQ(wide.right - wide.left, 80);
  EXPECT_EQ(wide.bottom - wide.top, 40);
  c.aspect = 2;
  CirclePlan tall = plan_circle(c);
  EXPECT_EQ(tall.right - tall.left, 40);
  EXPECT_EQ(tall.bottom - tall.top, 80);
  EXPECT_EQ(tall.figure, CircleFigure::ClosedArc);
  c.fill = true;
  EXPECT_EQ(plan_circle(c).figure, CircleFigure::FilledEllipse);
}

TEST(CirclePlan, AnglesChooseArcOrSectorAndAreLimited) {
  CircleArgs c;
  c.centre = {100, 100};
  c.radius = 50;
  c.start = 0;
  c.end = 3.14;
  CirclePlan half = plan_circle(c);
  EXPECT_EQ(half.figure, CircleFigure::Arc);
  EXPECT_EQ(half.start_radial, (Point32{178, 100}));
  EXPECT_EQ(half.end_radial.x, 22);
  c.start = -1.57;
  c.end = -3.14;
  CirclePlan sector = plan_circle(c);
  EXPECT_EQ(sector.figure, CircleFigure::Pie);
  EXPECT_EQ(sector.start_radial, (Point32{100, 22}));  // straight up, made positive
  c.fill = true;
  c.start = 1;
  c.end = 2;
  EXPECT_EQ(plan_circle(c).figure, CircleFigure::Arc);  // F shows only in ellipses and sectors
  c.end = 6.3;
  EXPECT_THROW(plan_circle(c), ProgramError);
  c.end = -6.3;
  EXPECT_THROW(plan_circle(c), ProgramError);
}

// A small in-memory surface that counts what the fill does.
class Canvas : public FillSurface {
 public:
  Canvas(int w, int h, Rgb fill) : w_(w), h_(h), px_(static_cast<std::size_t>(w * h), fill) {}
  int32_t width() const override { return w_; }
  int32_t height() const override { return h_; }
  Rgb pixel(int32_t x, int32_t y) const override {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0xFFFFFFFF;
    return px_[static_cast<std::size_t>(y * w_ + x)];
  }
  void set(int32_t x, int32_t y, Rgb c) { px_[static_cast<std::size_t>(y * w_ + x)] = c; }
  void paint_span(int32_t l, int32_t r, int32_t y) override {
    ++spans;
    for (int32_t x = std::max(l, 0); x <= r && x < w_; ++x) set(x, y, paint);
  }
  int count(Rgb c) const {
    int n = 0;
    for (Rgb p : px_) n += p == c;
    return n;
  }
  Rgb paint = 0;
  int spans = 0;

 private:
  int w_, h_;
  std::vector<Rgb> px_;
};

constexpr Rgb kRed = 0x0000FF, kWhite = 0xFFFFFF, kBlack = 0;

void outline(Canvas& c, int l, int t, int r, int b, Rgb colour) {
  for (int x = l; x <= r; ++x) c.set(x, t, colour), c.set(x, b, colour);
  for (int y = t; y <= b; ++y) c.set(l, y, colour), c.set(r, y, colour);
}

TEST(FloodFill, FillsExactlyTheInsideOfAClosedFigure) {
  Canvas c(40, 30, kBlack);
  outline(c, 5, 5, 20, 15, kWhite);
  c.paint = kRed;
  flood_fill(c, 10, 10, kRed, kWhite);
  EXPECT_EQ(c.count(kRed), 14 * 9);
  EXPECT_EQ(c.pixel(4, 10), kBlack);
  EXPECT_EQ(c.pixel(5, 10), kWhite);
}

TEST(FloodFill, ConcaveShapesAreFilledAroundTheirCorners) {
  Canvas c(30, 30, kBlack);
  outline(c, 0, 0, 29, 29, kWhite);
  for (int y = 0; y < 20; ++y) c.set(15, y, kWhite);  // a wall from the top, open below
  c.paint = kRed;
  flood_fill(c, 5, 5, kRed, kWhite);
  EXPECT_EQ(c.count(kRed), 28 * 28 - 19);
}

TEST(FloodFill, WithoutABorderEverythingIsPaintedAndARepaintChangesNothing) {
  Canvas c(20, 10, kBlack);
  outline(c, 2, 2, 8, 8, kWhite);
  c.paint = kRed;
  flood_fill(c, 0, 0, kRed, 1);
  EXPECT_EQ(c.count(kRed), 200);
  const int spans = c.spans;
  flood_fill(c, 5, 5, kRed, 1);
  EXPECT_EQ(c.spans, spans);  // the seed already has the paint colour
}

TEST(FloodFill, ASeedOffTheSurfaceFillsNothing) {
  Canvas c(10, 10, kBlack);
  c.paint = kRed;
  flood_fill(c, -1, 5, kRed, kWhite);
  flood_fill(c, 5, 10, kRed, kWhite);
  EXPECT_EQ(c.count(kRed), 0);
}

TEST(FloodFill, ACombOfManyPendingSegmentsEndsWithinTheRing) {
  // Teeth every other column leave hundreds of pending segments per row.
  Canvas c(1200, 60, kBlack);
  for (int x = 1; x < 1200; x += 2)
    for (int y = 1; y < 59; ++y) c.set(x, y, kWhite);
  c.paint = kRed;
  flood_fill(c, 0, 0, kRed, kWhite);
  EXPECT_GT(c.count(kRed), 0);
  EXPECT_LE(c.count(kRed), 1200 * 60 - 599 * 58);
}

TEST(ImageTable, AppendsReplacesInPlaceAndRefusesThe1025th) {
  ImageTable t;
  t.record(0, false, 11);
  t.record(0, false, 12);
  t.record(11, true, 13);  // a variable that held image 11 gets image 13
  ASSERT_EQ(t.entries().size(), 2u);
  EXPECT_EQ(t.entries()[0], 13);
  EXPECT_EQ(t.entries()[1], 12);
  t.record(99, true, 14);  // an image not in the table is not recorded
  EXPECT_EQ(t.entries().size(), 2u);
  for (int i = 2; i < 1024; ++i) t.record(0, false, 100 + i);
  EXPECT_THROW(t.record(0, false, 5000), ProgramError);
  EXPECT_EQ(t.entries().size(), 1024u);
  t.forget_all();
  EXPECT_TRUE(t.entries().empty());
}

}  // namespace
}  // namespace tess
