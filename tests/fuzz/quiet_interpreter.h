// The interpreter a fuzz target drives: headless, printing nothing, with an
// empty program text.
#pragma once
#include "headless/headless_host.h"
#include "interp/interpreter.h"

namespace tess::fuzz {

inline HeadlessHost::Options quiet() {
  HeadlessHost::Options o;
  o.out = nullptr;
  o.err = nullptr;
  return o;
}

struct QuietInterpreter {
  HeadlessHost host{quiet()};
  Interpreter in{host, ProgramText()};
  QuietInterpreter() { host.attach(in); }
};

}  // namespace tess::fuzz
