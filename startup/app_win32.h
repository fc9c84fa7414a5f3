// The runtime process: every Win32 service of the run, owned by the window
// thread's entry (run_window_thread) and handed by reference to the window
// procedures (through their windows), the host and, through it, the handlers.
#pragma once
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "console/console_text_win32.h"
#include "console/printer_win32.h"
#include "interp/interpreter.h"
#include "session/session.h"
#include "sound/sound_win32.h"
#include "startup/win32_host.h"
#include "system/gdi_handles_win32.h"
#include "system/win32_services.h"
#include "windows/display_win32.h"
#include "windows/user_window_win32.h"

namespace tess {

struct App {
  Display display;
  ConsoleText text;
  UserWindows user_windows;
  PrinterDevice printer;
  SoundDevice sound;
  // The host is made first: it only keeps the reference to the services.
  Win32Host host{services};
  Win32Services services{display, text, user_windows, printer, sound, host};

  std::unique_ptr<Session> session;  // the subsystems' state; outlives interp
  std::string module_directory;  // drive and directory, with a trailing backslash
  std::unique_ptr<Interpreter> interp;
  KernelHandle loader_thread;
  // Set when shutdown had to terminate a thread: the C runtime's locks may be
  // held by it, so the process ends without running any further cleanup.
  std::atomic<bool> threads_terminated{false};
};

}  // namespace tess
