// Process entry: window classes, the console window, the loader thread, and the
// message loop that runs until the console window is destroyed.
#include <windows.h>

#include <cstdlib>

#include "console/console_window_win32.h"
#include "interp/counted_new.h"
#include "interp/value_text.h"
#include "startup/app_win32.h"
#include "startup/loader_win32.h"
#include "windows/user_window_win32.h"

namespace tess {

App& app() {
  static App instance;
  return instance;
}

namespace {

bool register_class(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszMenuName = MAKEINTRESOURCEA(101);
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

// Drive plus directory (with its trailing backslash) and the base name.
void split_module_path(App& a, std::string& title) {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  char drive[_MAX_DRIVE] = {}, dir[_MAX_DIR] = {}, name[_MAX_FNAME] = {}, ext[_MAX_EXT] = {};
  _splitpath(path, drive, dir, name, ext);
  a.module_directory = std::string(drive) + dir;
  title = name;
}

void pump_messages() {
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return;
    if (got == -1) {
      MessageBoxA(nullptr, "\x83\x47\x83\x89\x81\x5b", "Tessaly", MB_ICONWARNING);  // "エラー"
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace

int run_window_thread(HINSTANCE instance, const char* command_line) {
  App& a = app();
  a.instance = instance;
  a.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};

  if (!register_class(instance, kConsoleClass, console_window_procedure) ||
      !register_class(instance, kNormalClass, normal_window_procedure) ||
      !register_class(instance, kPromptClass, prompt_window_procedure))
    return 0;

  std::string title;
  split_module_path(a, title);
  a.console = CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, kConsoleClass, title.c_str(),
                              WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  a.command_line_value = encode(command_line ? command_line : "");
  a.loader_thread = CreateThread(nullptr, 0, loader_thread, a.console, 0, nullptr);
  pump_messages();
  if (a.threads_terminated) TerminateProcess(GetCurrentProcess(), 0);  // see shutdown
  return 0;
}

}  // namespace tess

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  return tess::run_window_thread(instance, command_line);
}
