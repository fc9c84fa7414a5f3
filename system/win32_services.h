// The Win32 services of runtime.exe, handed to whatever needs them: the process
// entry owns each one and gathers references to them here. A file includes this
// and the headers of the services it uses.
#pragma once
#include <windows.h>

#include <functional>

namespace tess {

struct Display;
struct ConsoleText;
struct UserWindows;
struct PrinterDevice;
struct SoundDevice;
class Host;
class Interpreter;
struct Exec;

struct Win32Services {
  Display& display;
  ConsoleText& text;
  UserWindows& user_windows;
  PrinterDevice& printer;
  SoundDevice& sound;
  Host& host;  // the Win32 host: the console device, writing to the current text window
  // The running program: set once the loader has read it, cleared at shutdown.
  Interpreter* interp = nullptr;
  // The ordered shutdown, run when the console window is destroyed.
  std::function<void()> shutdown;
};

// The services of the runtime whose program the handler runs (its host is the
// Win32 host).
Win32Services& win32(Interpreter& in);
Win32Services& win32(Exec& ex);

// Window procedures reach the services through the window: the creation
// parameter (CREATESTRUCT::lpCreateParams) is kept in GWLP_USERDATA at
// WM_NCCREATE. A message that comes before it (WM_GETMINMAXINFO) arrives while
// the creating thread is inside CreateWindowEx and reaches the services that
// thread named with CreatingWindow. Null for a window created without them.
Win32Services* services_of(HWND hwnd, UINT message, LPARAM lparam);

// For the length of a CreateWindowEx call on this thread.
class CreatingWindow {
 public:
  explicit CreatingWindow(Win32Services& services);
  ~CreatingWindow();
  CreatingWindow(const CreatingWindow&) = delete;
  CreatingWindow& operator=(const CreatingWindow&) = delete;

 private:
  Win32Services* outer_;
};

}  // namespace tess
