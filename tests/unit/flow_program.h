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

#include "headless/headless_handlers.h"
#include "interp/statement_codes.h"
#include "program_runner.h"
#include "session/session.h"

namespace tess::testing {

// Statement codes as they stand in program text.
inline const std::string P = code_bytes(Stmt::kPrint);  // print (string literals)
inline const std::string KEY = code_bytes(Stmt::kKey);  // function-key trap
inline const std::string MOUSE = code_bytes(Stmt::kMouse);  // mouse trap
inline const std::string RUN = code_bytes(Stmt::kRun);  // restart
inline const std::string IF = code_bytes(Stmt::kIf);
inline const std::string GOTO = code_bytes(Stmt::kGoto);
inline const std::string GOSUB = code_bytes(Stmt::kGosub);
inline const std::string RETURN = code_bytes(Stmt::kReturn);
inline const std::string ON = code_bytes(Stmt::kOn);
inline const std::string FOR = code_bytes(Stmt::kFor);
inline const std::string NEXT = code_bytes(Stmt::kNext);
inline const std::string CJUMP = code_bytes(Stmt::kExit);  // clearing jump
inline const std::string WHILE = code_bytes(Stmt::kWhile);
inline const std::string WEND = code_bytes(Stmt::kWend);
inline const std::string THREAD = code_bytes(Stmt::kThread);
inline const std::string CLEAR = code_bytes(Stmt::kClear);
inline const std::string DIM = code_bytes(Stmt::kDim);
inline const std::string DEFTYPE = code_bytes(Stmt::kDefint);
inline const std::string DATA = code_bytes(Stmt::kData);
inline const std::string READ = code_bytes(Stmt::kRead);
inline const std::string RESTORE = code_bytes(Stmt::kRestore);
inline const std::string SWAP = code_bytes(Stmt::kSwap);
inline const std::string MID = code_bytes(Stmt::kMid);
inline const std::string END = code_bytes(Stmt::kEnd);
inline const std::string WAIT = code_bytes(Stmt::kWait);
inline const std::string AND = "\x01&";  // operator token

inline std::string program(std::string_view source) {
  std::string out;
  std::map<std::string, int, std::less<>> labels;
  std::vector<std::pair<std::size_t, std::string>> uses;
  for (std::size_t i = 0; i < source.size(); ++i) {
    const char c = source[i];
    if (is_code_first_byte(c) && i + 1 < source.size()) {  // a code byte may be '`' or '@'
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
  Session session;
  Interpreter interp(host, ProgramText(program_text), session_link(session, headless_handlers()));
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
