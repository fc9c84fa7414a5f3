#include "startup/loader_win32.h"

#include <imm.h>

#include <optional>
#include <string>
#include <vector>

#include "graphics/surface_win32.h"
#include "interp/source_map.h"
#include "session/win32_handlers.h"
#include "startup/app_win32.h"
#include "system/wide_win32.h"

namespace tess {
namespace {

constexpr char kFileSystemError[] = "\x83\x74\x83\x40\x83\x43\x83\x8b\x83\x56\x83\x58\x83\x65\x83\x80\x20\x83\x47\x83\x89\x81\x5b";  // "ファイルシステム エラー"
constexpr char kBrokenImage[] = "\x83\x76\x83\x8d\x83\x4f\x83\x89\x83\x80\x83\x43\x83\x81\x81\x5b\x83\x57\x82\xaa\x89\xf3\x82\xea\x82\xc4\x82\xa2\x82\xdc\x82\xb7";  // "プログラムイメージが壊れています"

// The whole executable, read shared for reading.
bool read_own_file(std::vector<uint8_t>& bytes) {
  wchar_t path[MAX_PATH + 1] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart < (1LL << 31);
  if (ok) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size();
  }
  CloseHandle(file);
  return ok;
}


void create_console_font(HWND console, ConsoleText& text) {
  LOGFONTW lf = to_logfont(text.font);
  text.console_font = Font(CreateFontIndirectW(&lf));
  if (HIMC context = ImmGetContext(console)) {
    ImmSetCompositionFontW(context, &lf);
    ImmReleaseContext(console, context);
  }
}

void stop_before_running(HWND console, const char* text, const char* title, HWND owner) {
  MessageBoxW(owner, wide(text).c_str(), wide(title).c_str(), MB_ICONERROR);
  SendMessageA(console, WM_DESTROY, 0, 0);
}

// NAME.map beside NAME.exe, when it describes this very program text.
std::optional<SourceMap> read_own_map(const std::vector<uint8_t>& text) {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string map_path = map_path_for(path);
  HANDLE file = CreateFileA(map_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart < (1LL << 28)) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD got = 0;
    if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) got = 0;
    bytes.resize(got);
  }
  CloseHandle(file);
  return read_source_map(bytes, program_text_hash(text));
}

}  // namespace

void run_start(App& a) {
  a.display.current_text_window = a.display.console;
  SendMessageA(a.display.console, WM_KILLFOCUS, 0, 0);
  a.session->files.set_module_directory(a.module_directory);  // the reset makes it current
  a.interp->reset();
  printer_run_start(a.printer);
}

DWORD WINAPI loader_thread(LPVOID parameter) {
  App& a = *static_cast<App*>(parameter);
  HWND console = a.display.console;
  std::vector<uint8_t> file;
  if (!read_own_file(file)) {
    stop_before_running(console, kFileSystemError, "Error", console);
    return 0;
  }
  auto parsed = parse_file_tail(file);
  if (auto* error = std::get_if<ImageError>(&parsed)) {
    const std::string text = std::string(kBrokenImage) + "\n" + error->message;
    stop_before_running(console, text.c_str(), "Tessaly", console);
    return 0;
  }
  ProgramImage& image = std::get<ProgramImage>(parsed);
  file = {};
  a.text.font = image.font;
  if (!image.start_hidden) {
    UpdateWindow(console);
    ShowWindow(console, SW_SHOW);
    SetForegroundWindow(console);
  }
  a.session = std::make_unique<Session>();
  a.interp = std::make_unique<Interpreter>(a.host, ProgramText(image.text), session_link(*a.session, win32_handlers()));
  a.services.interp = a.interp.get();
  if (auto map = read_own_map(image.text)) {
    a.interp->set_source_map(std::move(*map));
    a.host.show_source_in_box(true);
  }
  image.text = {};
  create_console_font(console, a.text);
  run_start(a);
  a.interp->begin_main_thread();
  a.interp->run_thread(0);
  return 0;
}

void shutdown(App& a) {
  if (!a.interp || !a.interp->running()) return;
  Interpreter& interp = *a.interp;
  interp.request_stop();
  // Threads stop at their next statement or wait; only one stuck in a system call
  // (a message box, a blocking device) is terminated.
  if (!interp.wait_for_threads(1000)) {
    a.threads_terminated = true;
    a.host.terminate_threads_except(GetCurrentThreadId());
    if (WaitForSingleObject(a.loader_thread.get(), 0) == WAIT_TIMEOUT) TerminateThread(a.loader_thread.get(), 0);
  }
  interp.clear_running();
  // Handles write through, so closing loses nothing; after a terminated thread
  // the process exit closes them instead of the heap-touching cleanup.
  if (!a.threads_terminated) a.session->files.close_all();
  a.session->colours = TextColours{};
  a.text.text_area = TextArea{};
  a.display.windows.release_all();
  a.host.delete_images(a.session->graphics.images.entries());
  a.session->graphics.images.forget_all();
  printer_shutdown(a.printer);  // an open document's page is printed
  close_midi(a.sound);
  release_kept_drawing_objects(a.display);
  a.text.console_font.reset();
  a.user_windows.control_font.reset();
  // A terminated thread may have held the heap lock: then nothing more is freed.
  if (!a.threads_terminated) {
    a.services.interp = nullptr;
    a.interp.reset();
    a.session.reset();
  }
}

}  // namespace tess
