// Hand-built program texts with symbolic jump targets, and a run that lets a test
// act on the interpreter before, during and after the program.
//
// In a source text, `name` marks the byte that follows it (the separator before
// the statement to jump to) and @name@ becomes that position as eight hex digits.
#pragma once
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "program_runner.h"

namespace tess::testing {

// Statement codes as they stand in program text.
inline const std::string P = "\x10\x10";       // print (string literals)
inline const std::string KEY = "\x10\x14";     // function-key trap
inline const std::string MOUSE = "\x10\x15";   // mouse trap
inline const std::string RUN = "\x10\x20";     // restart
inline const std::string IF = "\x10\x21";
inline const std::string GOTO = "\x10\x23";
inline const std::string GOSUB = "\x10\x24";
inline const std::string RETURN = "\x10\x25";
inline const std::string ON = "\x10\x26";
inline const std::string FOR = "\x10\x27";
inline const std::string NEXT = "\x10\x30";
inline const std::string CJUMP = "\x10\x31";   // clearing jump
inline const std::string WHILE = "\x10\x32";
inline const std::string WEND = "\x10\x33";
inline const std::string THREAD = "\x10\x34";
inline const std::string CLEAR = "\x10\x60";
inline const std::string DIM = "\x10\x61";
inline const std::string DEFTYPE = "\x10\x63";
inline const std::string DATA = "\x10\x64";
inline const std::string READ = "\x10\x65";
inline const std::string RESTORE = "\x10\x66";
inline const std::string SWAP = "\x10\x67";
inline const std::string MID = "\x10\x7C";
inline const std::string END = "\x10\x78";
inline const std::string WAIT = "\x10\x82";
inline const std::string AND = "\x01&";  // operator token

inline std::string program(std::string_view source) {
  std::string out;
  std::map<std::string, int, std::less<>> labels;
  std::vector<std::pair<std::size_t, std::string>> uses;
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char c = source[i];
    if ((c == '\x10' || c == '\x11') && i + 1 < source.size()) {  // a code byte may be '`' or '@'
      out += source.substr(i, 2);
      ++i;
      continue;
    }
    if (c == '`' || c == '@') {
      const std::size_t close = source.find(c, i + 1);
      if (close == std::string_view::npos) throw std::invalid_argument("unclosed label");
      std::string name(source.substr(i + 1, close - i - 1));
      if (c == '`') {
        labels[name] = static_cast<int>(out.size());
      } else {
        uses.emplace_back(out.size(), name);
        out += "00000000";
      }
      i = close;
      continue;
    }
    out += c;
  }
  for (const auto& [at, name] : uses) {
    const auto found = labels.find(name);
    if (found == labels.end()) throw std::invalid_argument("unknown label " + name);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(found->second));
    out.replace(at, 8, hex);
  }
  return out;
}

struct Hooks {
  std::function<void(Interpreter&)> before;  // after the run start, before thread 0
  std::function<void(Interpreter&)> during;  // on the test thread while the program runs
  std::function<void(Interpreter&)> after;   // once every thread has ended
};

inline RunResult run_with(std::string_view program_text, const Hooks& hooks) {
  MemoryStream out, err;
  HeadlessHost::Options options;
  options.out = out.file();
  options.err = err.file();
  HeadlessHost host(options);
  Interpreter interp(host, ProgramText(program_text));
  host.attach(interp);
  interp.reset();
  if (hooks.before) hooks.before(interp);
  std::thread main_thread([&] {
    interp.begin_main_thread();
    interp.run_thread(0);
  });
  if (hooks.during) hooks.during(interp);
  host.wait_for_end();
  interp.request_stop();
  interp.wait_for_threads(5000);
  main_thread.join();
  if (hooks.after) hooks.after(interp);
  RunResult r;
  r.out = out.str();
  r.err = err.str();
  r.status = host.had_error() ? 1 : 0;
  return r;
}

// Polls until the condition holds or a few seconds have passed.
inline bool eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 500; ++i) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return condition();
}

}  // namespace tess::testing
