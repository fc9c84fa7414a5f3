// Runs a whole program text on the headless host inside a test.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

#include "headless/headless_handlers.h"
#include "headless/headless_host.h"
#include "interp/interpreter.h"
#include "session/session.h"

namespace tess::testing {

struct RunResult {
  std::string out;  // the text-write stream
  std::string err;  // diagnostics
  int status = 0;   // 0 normal end, 1 runtime error
  std::string screen;  // the console text layer at the end
};

// A memory-backed FILE* for the host's streams.
class MemoryStream {
 public:
  MemoryStream() : file_(open_memstream(&data_, &size_)) {}
  ~MemoryStream() {
    if (file_) std::fclose(file_);
    std::free(data_);
  }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  std::FILE* file() { return file_; }
  std::string str() {
    std::fflush(file_);
    return std::string(data_, size_);
  }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::FILE* file_;
};

// `typed`: the bytes typed at the console (a line feed is Enter); `handlers`:
// what the host installs (the headless host's unless a test says otherwise).
inline RunResult run_text(std::string_view program_text, std::string_view typed = "",
                          const HandlerTable& handlers = headless_handlers()) {
  MemoryStream out, err;
  std::string typed_copy(typed);
  std::FILE* typed_file = typed_copy.empty() ? nullptr : fmemopen(typed_copy.data(), typed_copy.size(), "r");
  HeadlessHost::Options options;
  options.out = out.file();
  options.err = err.file();
  options.typed = typed_file;
  HeadlessHost host(options);
  Session session;
  Interpreter interp(host, ProgramText(program_text), session_link(session, handlers));
  host.attach(interp);
  interp.reset();
  std::thread main_thread([&] {
    interp.begin_main_thread();
    interp.run_thread(0);
  });
  host.wait_for_end();
  interp.request_stop();
  interp.wait_for_threads(5000);
  main_thread.join();
  RunResult r;
  r.out = out.str();
  r.err = err.str();
  r.status = host.had_error() ? 1 : 0;
  r.screen = std::string(host.console().text());
  if (typed_file) std::fclose(typed_file);
  return r;
}

}  // namespace tess::testing
