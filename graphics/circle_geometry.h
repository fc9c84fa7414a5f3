// What the circle statement draws: the figure, its bounding box and the radial
// points that GDI's arcs start and end at.
#pragma once
#include <cstdint>

#include "graphics/figure_args.h"

namespace tess {

// The radial point's offset from the centre for an angle in hundredths of a
// radian (0 to 628), walking the edge of a square of half-side 78; dy points up.
struct RadialOffset {
  int32_t dx = 0, dy = 0;
  bool operator==(const RadialOffset&) const = default;
};
RadialOffset radial_offset(double hundredths);

enum class CircleFigure { FilledEllipse, ClosedArc, Arc, Pie };

struct CirclePlan {
  CircleFigure figure = CircleFigure::ClosedArc;
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  Point32 start_radial, end_radial;  // all zero for the closed figures
};

// An angle beyond 6.28 radians either way is a runtime error.
CirclePlan plan_circle(const CircleArgs& circle);

}  // namespace tess
