#include "headless/headless_host.h"

#include <iconv.h>

#include <atomic>
#include <thread>

#include "interp/interpreter.h"
#include "interp/lock_release.h"
#include "interp/value_text.h"
#include "session/session.h"

namespace tess {

HeadlessHost::HeadlessHost(Options options)
    : options_(options),
      device_(console_, grid_,
              {options_.typed, [this](std::string_view text) { write_text(text); },
               [this](std::string_view line) { note(line); }, [this] { end_program(); },
               [this] { return interp_ && interp_->running(); },
               [this](const std::function<void()>& wait) { without_lock(wait); }}) {}

// As on the console window, a statement waiting for typing lets the other
// execution threads run: the lock of the running statement is left for the wait.
void HeadlessHost::without_lock(const std::function<void()>& wait) {
  if (!interp_) return wait();
  const LockReleased waiting(*interp_);
  wait();
}

void HeadlessHost::note(std::string_view line) {
  if (!options_.err) return;
  if (options_.out) std::fflush(options_.out);
  const std::string text = options_.utf8 ? cp932_to_utf8(line) : std::string(line);
  std::fprintf(options_.err, "%s\n", text.c_str());
  std::fflush(options_.err);
}

void HeadlessHost::write_text(std::string_view value_text) {
  const auto& colours = interp_->session().colours;
  auto result = console_.write(value_text, colours.foreground, colours.background);
  fit_.after_write(console_, grid_, result.start);
  emit(result.expanded);
  if (result.ends_line) emit("\n");
}

void HeadlessHost::emit(std::string_view bytes) {
  if (!options_.out || bytes.empty()) return;
  if (options_.utf8) {
    const std::string converted = cp932_to_utf8(bytes);
    std::fwrite(converted.data(), 1, converted.size(), options_.out);
  } else {
    std::fwrite(bytes.data(), 1, bytes.size(), options_.out);
  }
}

void HeadlessHost::report_error(const Diagnostic& diagnostic) {
  had_error_ = true;
  if (options_.out) std::fflush(options_.out);
  if (options_.err) {
    std::string line = diagnostic.format();
    if (options_.utf8) line = cp932_to_utf8(line);
    std::fprintf(options_.err, "%s\n", line.c_str());
    std::fflush(options_.err);
  }
}

std::string HeadlessHost::command_line_value() { return encode(options_.command_line); }

void HeadlessHost::end_program() {
  {
    std::lock_guard guard(mutex_);
    ended_ = true;
  }
  ended_cv_.notify_all();
}

void HeadlessHost::wait_for_end() {
  std::unique_lock guard(mutex_);
  ended_cv_.wait(guard, [&] { return ended_; });
}

bool HeadlessHost::wait_for_end(int timeout_ms) {
  std::unique_lock guard(mutex_);
  return ended_cv_.wait_for(guard, std::chrono::milliseconds(timeout_ms), [&] { return ended_; });
}

namespace {
std::atomic<uint32_t> next_thread_id{1};
thread_local uint32_t this_thread_id = 0;
}  // namespace

uint32_t HeadlessHost::current_thread_id() {
  if (this_thread_id == 0) this_thread_id = next_thread_id++;
  return this_thread_id;
}

uint32_t HeadlessHost::start_thread(std::function<void()> body) {
  const uint32_t id = next_thread_id++;
  std::thread([id, body = std::move(body)] {
    this_thread_id = id;
    body();
  }).detach();
  return id;
}

std::string cp932_to_utf8(std::string_view bytes) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(bytes);
  std::string out;
  out.resize(bytes.size() * 3 + 4);
  char* in = const_cast<char*>(bytes.data());
  std::size_t in_left = bytes.size();
  char* dst = out.data();
  std::size_t out_left = out.size();
  while (in_left > 0) {
    if (iconv(cd, &in, &in_left, &dst, &out_left) == static_cast<std::size_t>(-1)) {
      *dst++ = *in++;  // keep an unconvertible byte as it is
      --in_left, --out_left;
    }
  }
  iconv_close(cd);
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace tess
