// What a host hands the core besides the program: the subsystems' state of the
// run and their handlers. The state (files, graphics, sound, random numbers,
// text colours) lives above the core in a Session (session/session.h), which the
// core knows by name only; handlers reach it through their execution context
// (ex.session()), and a run start clears its part through the hook given here.
#pragma once

namespace tess {

struct Session;
class Host;
class HandlerTable;

struct SessionLink {
  Session& session;
  const HandlerTable& handlers;        // what the host's subsystems registered
  void (*run_start)(Session&, Host&);  // clears the session's part of a run start
};

}  // namespace tess
