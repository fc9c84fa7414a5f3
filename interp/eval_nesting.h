// Groups, indexes, not rules and user function calls recurse; the depth is
// counted so that no execution thread can run out of stack.
#pragma once
#include "interp/interpreter.h"
#include "interp/value_limits.h"

namespace tess {

class NestingGuard {
 public:
  explicit NestingGuard(Interpreter& in) : depth_(in.eval_depth()) {
    if (depth_ >= kMaxNesting) limit_error("expressions or calls nested more than 1,000 deep");
    ++depth_;
  }
  ~NestingGuard() { --depth_; }
  NestingGuard(const NestingGuard&) = delete;
  NestingGuard& operator=(const NestingGuard&) = delete;

 private:
  int& depth_;
};

}  // namespace tess
