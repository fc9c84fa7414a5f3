// The statement runner: walks the program text from a thread's counter, cuts
// one statement at a time and runs it, from its plan or by the dispatcher from
// its text. The program text never changes, so what the runner works out per
// position is kept (unless the caches are off): the cut lengths, the steps
// from one statement to the next, and the statements' plans.
#pragma once
#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>

#include "interp/runner_steps.h"
#include "interp/statement_cache.h"
#include "interp/statement_cut.h"

namespace tess {

class Interpreter;

class StatementRunner {
 public:
  explicit StatementRunner(std::size_t text_length);

  // Runs execution thread t from its counter until the thread ends (the end
  // statement, the end of the text, an error or a stop).
  void run(Interpreter& in, int t);

 private:
  class Pass;  // one execution thread's walk through the text

  CutLengths cut_lengths_;  // shared by all threads, filled outside the lock
  RunnerSteps steps_;       // used by a thread running alone, under the lock
  StatementCache plans_;    // under the lock
};

}  // namespace tess
