// Leaves the interpreter lock for the length of a wait in Windows and takes it
// back afterwards, so other execution threads run meanwhile.
#pragma once
#include "interp/interpreter.h"

namespace tess {

class LockReleased {
 public:
  explicit LockReleased(Exec& ex) : ex_(ex) { ex_.lock.unlock(); }
  ~LockReleased() {
    ex_.lock.lock();
    ex_.in.set_held_lock(&ex_.lock);
  }
  LockReleased(const LockReleased&) = delete;
  LockReleased& operator=(const LockReleased&) = delete;

 private:
  Exec& ex_;
};

}  // namespace tess
