// The one way a wait leaves the interpreter lock: free for other threads during
// the wait, taken back afterwards (also when the wait throws) as the held lock,
// whatever another thread's statement noted meanwhile.
#include <gtest/gtest.h>

#include <mutex>
#include <stdexcept>
#include <thread>

#include "interp/lock_release.h"
#include "values_fixture.h"

namespace tess::testing {
namespace {

class LockReleasedTest : public ValuesTest {
 protected:
  // Whether another thread can take the mutex now (it lets it go at once).
  bool free_for_others() {
    bool taken = false;
    std::thread([&] {
      std::unique_lock other(mutex_, std::try_to_lock);
      taken = other.owns_lock();
    }).join();
    return taken;
  }

  std::mutex mutex_;
  std::unique_lock<std::mutex> lock_{mutex_};
  std::mutex elsewhere_;
  std::unique_lock<std::mutex> other_thread_lock_{elsewhere_, std::defer_lock};
};

TEST_F(LockReleasedTest, StatementLockIsFreeDuringTheWaitAndHeldAgainAfter) {
  Exec ex{in, 0, lock_};
  in.set_held_lock(&lock_);
  {
    const LockReleased waiting(ex);
    EXPECT_TRUE(waiting.released());
    EXPECT_FALSE(lock_.owns_lock());
    EXPECT_TRUE(free_for_others());
    in.set_held_lock(&other_thread_lock_);  // another thread ran a statement meanwhile
  }
  EXPECT_TRUE(lock_.owns_lock());
  EXPECT_EQ(in.held_lock(), &lock_);
  EXPECT_FALSE(free_for_others());
}

TEST_F(LockReleasedTest, BuiltInsLeaveTheHeldLockAndGetItBack) {
  in.set_held_lock(&lock_);
  {
    const LockReleased waiting(in);
    EXPECT_TRUE(free_for_others());
    in.set_held_lock(&other_thread_lock_);
  }
  EXPECT_TRUE(lock_.owns_lock());
  EXPECT_EQ(in.held_lock(), &lock_);
}

// An error raised in the wait is reported under the lock, like any other.
TEST_F(LockReleasedTest, AWaitThatThrowsStillTakesTheLockBack) {
  Exec ex{in, 0, lock_};
  in.set_held_lock(&other_thread_lock_);
  EXPECT_THROW(
      {
        const LockReleased waiting(ex);
        throw std::runtime_error("wait failed");
      },
      std::runtime_error);
  EXPECT_TRUE(lock_.owns_lock());
  EXPECT_EQ(in.held_lock(), &lock_);
}

TEST_F(LockReleasedTest, ALockNotHeldIsLeftAlone) {
  lock_.unlock();
  in.set_held_lock(&other_thread_lock_);
  {
    const LockReleased waiting(in, lock_);
    EXPECT_FALSE(waiting.released());
  }
  EXPECT_FALSE(lock_.owns_lock());
  EXPECT_EQ(in.held_lock(), &other_thread_lock_);
  in.set_held_lock(nullptr);
  const LockReleased nothing_held(in);
  EXPECT_FALSE(nothing_held.released());
}

}  // namespace
}  // namespace tess::testing
