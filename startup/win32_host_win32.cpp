#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "console/screen_win32.h"
#include "console/text_paint_win32.h"
#include "interp/interpreter.h"
#include "startup/win32_host.h"
#include "system/gdi_handles_win32.h"
#include "system/wide_win32.h"
#include "windows/display_win32.h"

namespace tess {

Transcript::Transcript() {
  const char* path = std::getenv("TESSALY_TRANSCRIPT");
  if (path && *path) file_ = std::fopen(path, "ab");
}

Transcript::~Transcript() {
  if (file_) std::fclose(file_);
}

void Transcript::write(std::string_view bytes) {
  if (!file_ || bytes.empty()) return;
  std::lock_guard guard(mutex_);
  std::fwrite(bytes.data(), 1, bytes.size(), file_);
  std::fflush(file_);
  at_line_start_ = bytes.back() == '\n';
}

// A diagnostic always stands on a line of its own.
void Transcript::diagnostic(std::string_view line) {
  if (!file_) return;
  std::lock_guard guard(mutex_);
  if (!at_line_start_) std::fputc('\n', file_);
  std::fwrite(line.data(), 1, line.size(), file_);
  std::fputc('\n', file_);
  std::fflush(file_);
  at_line_start_ = true;
}

void Win32Host::write_text(std::string_view value_text) {
  auto result = text_write(services_, value_text, transcript_.active() ? TextLayer::Stream::kKeep : TextLayer::Stream::kDrop);
  if (transcript_.active()) {
    transcript_.write(result.expanded);
    if (result.ends_line) transcript_.write("\n");
  }
}

void Win32Host::before_wait() { flush_screen(services_); }

// TESSALY_DIAGNOSTICS names a file for the diagnostic alone (what `tessc run` prints).
static void write_diagnostics_file(const std::string& text) {
  const char* path = std::getenv("TESSALY_DIAGNOSTICS");
  if (!path || !*path) return;
  if (FILE* f = std::fopen(path, "wb")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fputc('\n', f);
    std::fclose(f);
  }
}

void Win32Host::report_error(const Diagnostic& diagnostic) {
  flush_screen(services_);
  const std::string line = diagnostic.format();
  OutputDebugStringW(wide(line + "\n").c_str());
  transcript_.diagnostic(line);
  write_diagnostics_file(line);
  std::string text = kErrorMessage;
  if (source_in_box_ && !diagnostic.file.empty()) text += "\n\n" + diagnostic.headline() + "\n" + diagnostic.source_line;
  MessageBoxW(nullptr, wide(text).c_str(), wide(kErrorTitle).c_str(), MB_ICONERROR);
}

// Posted rather than sent: the thread that ends the program must be free to
// finish while the window thread shuts down.
void Win32Host::end_program() { PostMessageA(services_.display.console, WM_DESTROY, 0, 0); }

// runtime.exe has no other host.
Win32Services& win32(Interpreter& in) { return static_cast<Win32Host&>(in.host()).services(); }
Win32Services& win32(Exec& ex) { return win32(ex.in); }

namespace {

struct ThreadStart {
  std::function<void()> body;
  Win32Host* host;
};

DWORD WINAPI thread_entry(LPVOID parameter) {
  std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(parameter));
  start->body();
  start->host->thread_ended(GetCurrentThreadId());
  return 0;
}

}  // namespace

uint32_t Win32Host::start_thread(std::function<void()> body) {
  auto start = std::make_unique<ThreadStart>(ThreadStart{std::move(body), this});
  std::lock_guard guard(threads_mutex_);
  DWORD id = 0;
  KernelHandle handle(CreateThread(nullptr, 0, thread_entry, start.get(), CREATE_SUSPENDED, &id));
  if (!handle) return 0;
  start.release();  // the thread owns it now
  ResumeThread(handle.get());
  threads_[id] = std::move(handle);
  return id;
}

void Win32Host::thread_ended(DWORD id) {
  std::lock_guard guard(threads_mutex_);
  const auto it = threads_.find(id);
  if (it == threads_.end()) return;
  threads_.erase(it);
}

void Win32Host::delete_images(std::span<const int32_t> handles) {
  for (const int32_t h : handles) delete_given_up(reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(h)));
}

void Win32Host::terminate_threads_except(DWORD keep) {
  std::lock_guard guard(threads_mutex_);
  for (auto& [id, handle] : threads_)
    if (id != keep && WaitForSingleObject(handle.get(), 0) == WAIT_TIMEOUT) TerminateThread(handle.get(), 0);
  threads_.clear();
}

}  // namespace tess
