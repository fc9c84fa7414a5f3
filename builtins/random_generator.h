// The random numbers of a run: a 32-bit linear congruential generator, the seed
// last given and the last random number, shared by the random-number function
// and the seeding statement.
#pragma once
#include <cstdint>

namespace tess {

class RandomGenerator {
 public:
  // The seeding statement: the state restarts from the seed and one value,
  // drawn at once, becomes the last random number.
  void seed(int32_t seed);

  // The random-number function with the integer view of its argument: a
  // negative argument reseeds from the last seed first; 0 gives the last
  // random number. Every call draws a new value and keeps it as the last one.
  float next(int32_t n);

  // One raw draw, 0 to 32767.
  int draw();

  int32_t last_seed() const { return seed_; }
  float last_number() const { return last_; }

 private:
  float draw_value();

  uint32_t state_ = 1;
  int32_t seed_ = 0;
  float last_ = 0.0f;
};

}  // namespace tess
