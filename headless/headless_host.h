// The headless host: the console is an 80 x 25 grid, every write goes to a byte
// stream, and statements that need a display or a device are refused.
#pragma once
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>

#include "console/grid_layout.h"
#include "headless/headless_console.h"
#include "console/text_layer.h"
#include "interp/host.h"

namespace tess {

class Interpreter;

class HeadlessHost : public Host {
 public:
  struct Options {
    bool utf8 = false;       // convert the stream from code page 932
    std::FILE* out = stdout;  // the byte stream of text writes (null: none)
    std::FILE* err = stderr;  // diagnostics
    std::FILE* typed = nullptr;  // typed input for the keyboard statements (null: none)
    std::string command_line;  // what the command-line function reports (plain bytes)
  };
  explicit HeadlessHost(Options options);

  void attach(Interpreter& in) { interp_ = &in; }

  void write_text(std::string_view value_text) override;
  void report_error(const Diagnostic& diagnostic) override;
  void end_program() override;
  void beep() override {}
  uint32_t start_thread(std::function<void()> body) override;
  uint32_t current_thread_id() override;
  ConsoleDevice* console_device() override { return &device_; }
  std::string command_line_value() override;

  // Blocks until the program has ended (or timeout_ms have passed: false).
  void wait_for_end();
  bool wait_for_end(int timeout_ms);
  bool had_error() const { return had_error_; }
  const TextLayer& console() const { return console_; }

 private:
  void emit(std::string_view bytes);
  void without_lock(const std::function<void()>& wait);
  void note(std::string_view line);

  Options options_;
  Interpreter* interp_ = nullptr;
  TextLayer console_;
  Grid grid_;
  GridFit fit_;  // the console's measure between prints
  HeadlessConsole device_;
  std::mutex mutex_;
  std::condition_variable ended_cv_;
  bool ended_ = false;
  bool had_error_ = false;
};

// Code page 932 bytes to UTF-8 (bytes that do not convert are kept as they are).
std::string cp932_to_utf8(std::string_view bytes);

}  // namespace tess
