#include "graphics/circle_geometry.h"

#include <array>
#include <cmath>

#include "graphics/argument_text.h"

namespace tess {
namespace {

constexpr int32_t kHalfSide = 78;

int32_t trunc_int(double v) { return static_cast<int32_t>(std::trunc(v)); }

// One side of the square: angles up to `upto`, measured from `from`.
struct Side {
  double upto;
  double from;
  RadialOffset (*offset)(int32_t along);
};

constexpr std::array<Side, 5> kSides = {{
    {78.5, 0.0, [](int32_t t) { return RadialOffset{kHalfSide, t}; }},
    {235.5, 78.5, [](int32_t t) { return RadialOffset{kHalfSide - t, kHalfSide}; }},
    {392.5, 235.5, [](int32_t t) { return RadialOffset{-kHalfSide, kHalfSide - t}; }},
    {549.5, 392.5, [](int32_t t) { return RadialOffset{t - kHalfSide, -kHalfSide}; }},
    {628.0, 549.5, [](int32_t t) { return RadialOffset{kHalfSide, t - kHalfSide}; }},
}};

Point32 radial_point(Point32 centre, double hundredths) {
  const RadialOffset o = radial_offset(hundredths);
  return {centre.x + o.dx, centre.y - o.dy};
}

}  // namespace

RadialOffset radial_offset(double hundredths) {
  for (const Side& side : kSides)
    if (hundredths <= side.upto) return side.offset(trunc_int(hundredths - side.from));
  return kSides.back().offset(trunc_int(hundredths - kSides.back().from));
}

CirclePlan plan_circle(const CircleArgs& c) {
  CirclePlan plan;
  const double horizontal = c.aspect < 1 ? c.radius : c.radius / c.aspect;
  const double vertical = c.aspect < 1 ? c.radius * c.aspect : c.radius;
  plan.left = c.centre.x - trunc_int(horizontal);
  plan.right = c.centre.x + trunc_int(horizontal);
  plan.top = c.centre.y - trunc_int(vertical);
  plan.bottom = c.centre.y + trunc_int(vertical);
  if (c.start == 0 && c.end == 0) {
    plan.figure = c.fill ? CircleFigure::FilledEllipse : CircleFigure::ClosedArc;
    return plan;
  }
  const double start = c.start * 100, end = c.end * 100;
  plan.figure = (start < 0 || end < 0) ? CircleFigure::Pie : CircleFigure::Arc;
  if (std::fabs(start) > 628 || std::fabs(end) > 628) argument_error("circle", "an angle beyond 6.28 radians");
  plan.start_radial = radial_point(c.centre, std::fabs(start));
  plan.end_radial = radial_point(c.centre, std::fabs(end));
  return plan;
}

}  // namespace tess
