// The runtime error: every error a Tessaly program can make ends the run through it.
#pragma once
#include <string>

namespace tess {

// Thrown by a handler (or anything it calls); the dispatcher turns it into the
// error report, so a handler never has to unwind by hand.
struct ProgramError {
  int number;
  std::string detail;
};

[[noreturn]] inline void raise_error(int number, std::string detail = {}) {
  throw ProgramError{number, std::move(detail)};
}

// What an allocation failure (std::bad_alloc, std::length_error) inside a
// statement is reported as: the memory budget or the system refused a value.
inline ProgramError out_of_memory() { return ProgramError{15, "out of memory for values"}; }

}  // namespace tess
