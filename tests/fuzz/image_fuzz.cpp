// libFuzzer target over the image loader and the statement runner: the input is
// a file tail (program image and length trailer). A loadable image runs headless
// for at most kRunMs; then the run is stopped, and every execution thread must
// end within kStopMs. Runtime errors are expected answers; a crash, a sanitizer
// report, a thread that does not stop (a runner walking without statements) or
// a run that outlives libFuzzer's -timeout is a finding.
#include <stdlib.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <thread>
#include <variant>

#include "headless/headless_handlers.h"
#include "headless/headless_host.h"
#include "headless/local_file_system.h"
#include "interp/interpreter.h"
#include "interp/statement_codes.h"
#include "session/session.h"
#include "startup/program_image.h"

namespace {

using namespace tess;

constexpr int kRunMs = 50;
constexpr int kStopMs = 3000;

// Statements that change files or the process environment are swapped for an
// unlisted code (a runtime error), so that a run touches nothing outside.
void defuse(std::vector<uint8_t>& text) {
  static constexpr Stmt kTouchesOutside[] = {Stmt::kOpen, Stmt::kCopy, Stmt::kKill, Stmt::kMkdir, Stmt::kName, Stmt::kSetenv};
  constexpr uint8_t kUnassigned = 0x22;  // after the first byte of any of them
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    const Stmt code = code_of_bytes(text[i], text[i + 1]);
    for (const Stmt refused : kTouchesOutside)
      if (code == refused) text[i + 1] = kUnassigned;
  }
}

HeadlessHost::Options quiet() {
  HeadlessHost::Options o;
  o.out = nullptr;
  o.err = nullptr;
  return o;
}

// The runs work in a scratch directory of their own (the interpreter's current
// directory; the process's stays, so that libFuzzer finds its files).
const std::string& scratch_directory() {
  static const std::string dir = [] {
    char name[] = "/tmp/tess-image-fuzz-XXXXXX";
    const char* made = mkdtemp(name);
    if (!made) __builtin_trap();
    return host_directory_name(made);
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string& dir = scratch_directory();
  auto parsed = parse_file_tail(std::span<const uint8_t>(data, size));
  auto* image = std::get_if<ProgramImage>(&parsed);
  if (!image) return 0;
  defuse(image->text);

  HeadlessHost host(quiet());
  Session session;
  Interpreter interp(host, ProgramText(image->text), session_link(session, headless_handlers()));
  host.attach(interp);
  session.files.set_module_directory(dir);
  interp.reset();
  std::thread main_thread([&] {
    interp.begin_main_thread();
    interp.run_thread(0);
  });
  host.wait_for_end(kRunMs);
  interp.request_stop();
  if (!interp.wait_for_threads(kStopMs)) __builtin_trap();  // a thread that never reaches a statement
  main_thread.join();
  // A detached execution thread may still be returning from its last unlock.
  std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return 0;
}
