#include "builtins/random_generator.h"

namespace tess {
namespace {

// Single precision on purpose: the values are this constant times an integer,
// rounded to float.
constexpr float kScale = 0.00001f;

}  // namespace

int RandomGenerator::draw() {
  state_ = state_ * 214013u + 2531011u;
  return static_cast<int>((state_ >> 16) & 0x7FFF);
}

float RandomGenerator::draw_value() {
  const int r1 = draw();
  const int r2 = draw();
  // r1 * r2 is at most 32767 * 32767, inside a signed 32-bit integer.
  return static_cast<float>((r1 * r2) % 100000) * kScale;
}

void RandomGenerator::seed(int32_t seed) {
  seed_ = seed;
  state_ = static_cast<uint32_t>(seed);
  last_ = draw_value();
}

float RandomGenerator::next(int32_t n) {
  if (n < 0) seed(seed_);
  const float previous = last_;
  last_ = draw_value();
  return n == 0 ? previous : last_;
}

}  // namespace tess
