// The interpreter a fuzz target drives: headless, printing nothing, with an
// empty program text.
#pragma once
#include "headless/headless_handlers.h"
#include "headless/headless_host.h"
#include "interp/interpreter.h"
#include "session/session.h"

namespace tess::fuzz {

inline HeadlessHost::Options quiet() {
  HeadlessHost::Options o;
  o.out = nullptr;
  o.err = nullptr;
  return o;
}

struct QuietInterpreter {
  Session session;
  HeadlessHost host{quiet()};
  Interpreter in{host, ProgramText(), session_link(session, headless_handlers())};
  QuietInterpreter() { host.attach(in); }
};

}  // namespace tess::fuzz
