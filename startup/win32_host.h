// The Win32 host: the interpreter's window onto the console window, message
// boxes, system threads and the transcript.
#pragma once
#include <windows.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <string>

#include "console/console_device_win32.h"
#include "interp/host.h"
#include "system/gdi_handles_win32.h"
#include "system/win32_services.h"

namespace tess {

// When TESSALY_TRANSCRIPT names a file, every text written to the console text
// layer (as the headless runner prints it) and every diagnostic is appended there.
class Transcript {
 public:
  Transcript();
  ~Transcript();
  Transcript(const Transcript&) = delete;
  Transcript& operator=(const Transcript&) = delete;
  bool active() const { return file_ != nullptr; }
  void write(std::string_view bytes);
  void diagnostic(std::string_view line);

 private:
  std::mutex mutex_;
  std::FILE* file_ = nullptr;
  bool at_line_start_ = true;
};

class Win32Host : public Host {
 public:
  explicit Win32Host(Win32Services& services) : services_(services), console_(services) {}
  Win32Services& services() { return services_; }

  void write_text(std::string_view value_text) override;
  void report_error(const Diagnostic& diagnostic) override;
  void end_program() override;
  void beep() override { MessageBeep(0); }
  void before_wait() override;
  uint32_t start_thread(std::function<void()> body) override;
  uint32_t current_thread_id() override { return GetCurrentThreadId(); }
  ConsoleDevice* console_device() override { return &console_; }
  std::string command_line_value() override { return command_line_value_; }
  void set_command_line_value(std::string value) { command_line_value_ = std::move(value); }
  void delete_images(std::span<const int32_t> handles) override;

  // A thread's handle is closed as soon as its body returns: a program that
  // starts threads by the hundred thousand holds only the running ones.
  void thread_ended(DWORD id);

  // Handles of the system threads started for execution threads, for the
  // shutdown's last resort.
  void terminate_threads_except(DWORD keep);
  Transcript& transcript() { return transcript_; }
  // With a source map beside the program the error box also shows the failing
  // line; a released program without one keeps the fixed box.
  void show_source_in_box(bool on) { source_in_box_ = on; }

 private:
  Win32Services& services_;
  std::string command_line_value_;
  Transcript transcript_;
  bool source_in_box_ = false;
  Win32Console console_;
  std::mutex threads_mutex_;
  std::map<DWORD, KernelHandle> threads_;
};

}  // namespace tess
