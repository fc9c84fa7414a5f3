// Process entry: window classes, the console window, the loader thread, and the
// message loop that runs until the console window is destroyed.
#include <windows.h>

#include <cstdlib>

#include "console/console_window_win32.h"
#include "interp/counted_new.h"
#include "interp/value_text.h"
#include "startup/app_win32.h"
#include "startup/handle_report_win32.h"
#include "startup/heap_win32.h"
#include "startup/loader_win32.h"
#include "system/wide_win32.h"
#include "windows/user_window_win32.h"

namespace tess {

namespace {

// Unicode classes: titles, texts and typed characters reach the windows as
// UTF-16 whatever the system's code page (see windows/char_messages.h).
bool register_class(HINSTANCE instance, const char* name, WNDPROC procedure) {
  const std::wstring class_name = wide(name);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wc.hIconSm = wc.hIcon;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszMenuName = MAKEINTRESOURCEW(101);
  wc.lpszClassName = class_name.c_str();
  return RegisterClassExW(&wc) != 0;
}

// Drive plus directory (with its trailing backslash) and the base name.
void split_module_path(App& a, std::string& title) {
  wchar_t path[MAX_PATH + 1] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  wchar_t drive[_MAX_DRIVE] = {}, dir[_MAX_DIR] = {}, name[_MAX_FNAME] = {}, ext[_MAX_EXT] = {};
  _wsplitpath(path, drive, dir, name, ext);
  a.module_directory = narrow(std::wstring(drive) + dir);
  title = narrow(name);
}

void pump_messages() {
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return;
    if (got == -1) {
      MessageBoxW(nullptr, L"\u30a8\u30e9\u30fc", L"Tessaly", MB_ICONWARNING);  // "エラー"
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace

int run_window_thread(HINSTANCE instance, const std::string& command_line) {
  note_handles_at_start();
  // Too large for the stack (a record for each of 1024 windows).
  const auto app = std::make_unique<App>();
  App& a = *app;
  a.display.instance = instance;
  a.display.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  a.services.shutdown = [&a] { shutdown(a); };

  if (!register_class(instance, kConsoleClass, console_window_procedure) ||
      !register_class(instance, kNormalClass, normal_window_procedure) ||
      !register_class(instance, kPromptClass, prompt_window_procedure))
    return 0;

  std::string title;
  split_module_path(a, title);
  a.display.console = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_ACCEPTFILES, wide(kConsoleClass).c_str(),
                                      wide(title).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, &a.services);
  a.host.set_command_line_value(encode(command_line));
  a.loader_thread = KernelHandle(CreateThread(nullptr, 0, loader_thread, &a, 0, nullptr));
  pump_messages();
  // The App goes when this returns; the loader thread may still be leaving the
  // runner it ran, so it is given a moment to end first.
  if (a.loader_thread) WaitForSingleObject(a.loader_thread.get(), 2000);
  write_handle_report();
  if (a.threads_terminated) TerminateProcess(GetCurrentProcess(), 0);  // see shutdown
  return 0;
}

}  // namespace tess

namespace {

// The command line after the program's name (quoted or not) and the blanks after
// it, as WinMain's own argument has it, but read as UTF-16.
std::string arguments_after_program_name() {
  std::wstring_view line = GetCommandLineW();
  std::size_t i = 0;
  if (!line.empty() && line[0] == L'"') {
    i = line.find(L'"', 1);
    i = i == std::wstring_view::npos ? line.size() : i + 1;
  } else {
    while (i < line.size() && line[i] != L' ' && line[i] != L'\t') ++i;
  }
  while (i < line.size() && (line[i] == L' ' || line[i] == L'\t')) ++i;
  return tess::narrow(line.substr(i));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  tess::use_low_fragmentation_heaps();
  return tess::run_window_thread(instance, arguments_after_program_name());
}
