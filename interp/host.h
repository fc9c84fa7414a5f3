// What the interpreter core asks of the program that hosts it: the Win32 runtime
// or the headless runner. Everything behind this interface is platform work.
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace tess {

class ConsoleDevice;

// What the programmer sees about a runtime error (the user sees only the fixed box).
struct Diagnostic {
  int number = 0;
  std::string detail;
  int32_t line_number = -1;  // -1: the line has no number
  int32_t position = 0;      // byte position of the statement in the program text
  std::string statement;     // the failing statement as cut by the runner
  // With a matching source map: where the statement is in the source.
  std::string file;          // empty without a map
  int line = 0, column = 0;
  std::string source_line;   // that source line, Shift-JIS
  int caret = 0;             // byte index of the column in source_line
  // "FILE:LINE:COL: runtime error N: words[: detail]" with a map, otherwise
  // "runtime error N: words[: detail] (line L, position P) in: STATEMENT".
  std::string headline() const;
  // The headline, then (with a map) the source line and a caret under the column.
  std::string format() const;
};

inline constexpr char kErrorMessage[] = "\x83\x76\x83\x8d\x83\x4f\x83\x89\x83\x80\x93\xe0\x82\xc5"
                                        "\x83\x47\x83\x89\x81\x5b\x82\xaa\x8b\x4e\x82\xab\x82\xdc"
                                        "\x82\xb5\x82\xbd";  // "プログラム内でエラーが起きました" (CP932)
inline constexpr char kErrorTitle[] = "\x83\x47\x83\x89\x81\x5b";  // "エラー" (CP932)

class Host {
 public:
  virtual ~Host() = default;

  // The write operation on the current text window, then its painting.
  virtual void write_text(std::string_view value_text) = 0;

  // The error report: the fixed message box, and the diagnostic for the programmer.
  virtual void report_error(const Diagnostic& diagnostic) = 0;

  // Ends the program (WM_DESTROY to the console window). May be called more than once.
  virtual void end_program() = 0;

  virtual void beep() = 0;

  // Starts a system thread; returns its identifier.
  virtual uint32_t start_thread(std::function<void()> body) = 0;
  virtual uint32_t current_thread_id() = 0;

  // Called before a statement waits (for time, typing, a key, an event or a box):
  // a host with a screen shows everything drawn so far.
  virtual void before_wait() {}

  // The console window's keyboard, caret and layout services; null without one.
  virtual ConsoleDevice* console_device() { return nullptr; }

  // Deletes the images (bitmap handles) that the interpreter reset forgets; a
  // host without images has nothing to delete.
  virtual void delete_images(std::span<const int32_t>) {}

  // The command line the program was started with, as string value text without
  // quotes (converted once at start-up).
  virtual std::string command_line_value() { return {}; }
};

}  // namespace tess
