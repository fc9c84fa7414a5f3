// The runtime process: the state that the window thread, the window procedures
// and the execution threads share. One instance, reached through app().
#pragma once
#include <windows.h>

#include <array>
#include <atomic>
#include <memory>
#include <string>

#include "console/layout_walk.h"
#include "console/printer_win32.h"
#include "interp/interpreter.h"
#include "session/session.h"
#include "startup/program_image.h"
#include "sound/sound_win32.h"
#include "startup/win32_host.h"
#include "system/gdi_handles_win32.h"
#include "windows/event_queue.h"
#include "windows/window_table_win32.h"

namespace tess {

struct App {
  HINSTANCE instance = nullptr;
  SIZE screen{};
  HWND console = nullptr;
  std::string module_directory;  // drive and directory, with a trailing backslash
  std::string command_line_value;

  WindowTable windows;
  std::array<EventQueue, kThreadSlots> event_queues;  // one per execution-thread slot
  HWND current_text_window = nullptr;
  TextArea text_area;  // the console text-area setting, in pixels
  FontRecord font;
  Font console_font;
  Font control_font;  // the system font in the Shift-JIS character set, for controls (made at the first)
  PrinterDevice printer;
  SoundDevice sound;

  Win32Host host;
  std::unique_ptr<Session> session;  // the subsystems' state; outlives interp
  std::unique_ptr<Interpreter> interp;
  KernelHandle loader_thread;
  std::atomic<bool> shutting_down{false};
  // Set when shutdown had to terminate a thread: the C runtime's locks may be
  // held by it, so the process ends without running any further cleanup.
  std::atomic<bool> threads_terminated{false};
};

App& app();

inline constexpr char kConsoleClass[] = "VudEvir";
inline constexpr char kNormalClass[] = "NORMAL";
inline constexpr char kPromptClass[] = "PROMPT";

}  // namespace tess
