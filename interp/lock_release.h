// Leaves the interpreter lock for the length of a wait and takes it back at the
// end of the scope (also when the wait throws), so other execution threads run
// meanwhile and an error is still reported under the lock. Taking it back also
// makes it the interpreter's held lock again: another thread's statement set its
// own while this one waited. A lock not held on entry is left alone.
#pragma once
#include <mutex>

#include "interp/interpreter.h"

namespace tess {

class LockReleased {
 public:
  // The lock of the running statement.
  explicit LockReleased(Exec& ex) : LockReleased(ex.in, &ex.lock) {}
  // The lock the interpreter notes as held (for built-in functions, which get no Exec).
  explicit LockReleased(Interpreter& in) : LockReleased(in, in.held_lock()) {}
  LockReleased(Interpreter& in, std::unique_lock<std::mutex>& lock) : LockReleased(in, &lock) {}
  ~LockReleased() {
    if (!lock_) return;
    lock_->lock();
    in_.set_held_lock(lock_);
  }
  LockReleased(const LockReleased&) = delete;
  LockReleased& operator=(const LockReleased&) = delete;

  // Whether the lock was held on entry (and so is left now).
  bool released() const { return lock_ != nullptr; }

 private:
  LockReleased(Interpreter& in, std::unique_lock<std::mutex>* lock) : in_(in), lock_(lock) {
    if (lock_ && lock_->owns_lock()) lock_->unlock();
    else lock_ = nullptr;
  }

  Interpreter& in_;
  std::unique_lock<std::mutex>* lock_;
};

}  // namespace tess
