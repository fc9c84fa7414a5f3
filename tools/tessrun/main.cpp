// tessrun: runs a Tessaly program headless. The console is an 80 x 25 grid;
// stdout receives every text written to it, stdin supplies typed input.
//   tessrun [--screen] [--utf8] PROGRAM [WORDS...]
// PROGRAM is an image, an executable with an image appended, or a source (*.bas).
// Exit status: 0 after a normal end, 1 after a runtime error, 2 for an unusable
// program or arguments.
#include <cstdio>
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <cstring>
#include <string>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>

#include "headless/headless_handlers.h"
#include "headless/headless_host.h"
#include "headless/local_file_system.h"
#include "interp/counted_new.h"
#include "interp/interpreter.h"
#include "session/session.h"
#include "startup/program_loader.h"
#include "tools/tokenizer/tokenizer.h"

namespace {

// A source file (*.bas) is tokenised in memory; anything else is an image or an
// executable with an image appended.
bool is_source(const std::string& path) { return path.size() > 4 && path.substr(path.size() - 4) == ".bas"; }

// A source's map is made with it; a program's is read from NAME.map beside it
// when that matches the program text.
std::variant<tess::ProgramImage, tess::ImageError> load(const std::string& path, std::optional<tess::SourceMap>& map) {
  if (!is_source(path)) {
    auto loaded = tess::load_program_file(path);
    if (auto* image = std::get_if<tess::ProgramImage>(&loaded)) {
      std::ifstream in(tess::map_path_for(path), std::ios::binary);
      const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      map = tess::read_source_map(text, tess::program_text_hash(image->text));
    }
    return loaded;
  }
  auto result = tess::tok::tokenize_program_file(path, tess::tok::Encoding::kUtf8);
  if (auto* error = std::get_if<tess::tok::FileError>(&result)) return tess::ImageError{error->text()};
  auto& program = std::get<tess::tok::Tokenized>(result);
  program.map.file = path;
  map = std::move(program.map);
  tess::ProgramImage image;
  image.font = tess::default_console_font();
  image.text = std::move(program.text);
  return image;
}

std::string program_directory(const std::string& path) {
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec);
  return (ec ? std::filesystem::path(path) : absolute).parent_path().string();
}

// The final screen as a person would read it: a cell that the text position
// skipped (stored as an escaped blank) shows as a blank.
std::string screen_text(std::string_view layer) {
  std::string out;
  out.reserve(layer.size());
  for (std::size_t i = 0; i < layer.size(); ++i) {
    if (layer[i] == '\x01' && i + 1 < layer.size() && layer[i + 1] == 'L') {
      out += ' ';
      ++i;
    } else {
      out += layer[i];
    }
  }
  return out;
}

int usage() {
  std::fprintf(stderr, "usage: tessrun [--screen] [--utf8] PROGRAM [WORDS...]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
  // glibc hands freed memory at the top of the heap back to the system at once
  // and takes it again on the next allocation; a program that builds and drops
  // long strings would pay system calls and page faults for every statement.
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  mallopt(M_TOP_PAD, 1 << 20);
#endif
  bool screen = false, utf8 = false;
  const char* path = nullptr;
  std::string command_line;  // the words after PROGRAM, for the command-line function
  for (int i = 1; i < argc; ++i) {
    if (path) command_line += (command_line.empty() ? "" : " ") + std::string(argv[i]);
    else if (std::strcmp(argv[i], "--screen") == 0) screen = true;
    else if (std::strcmp(argv[i], "--utf8") == 0) utf8 = true;
    else if (argv[i][0] == '-') return usage();
    else path = argv[i];
  }
  if (!path) return usage();

  std::optional<tess::SourceMap> map;
  auto loaded = load(path, map);
  if (auto* error = std::get_if<tess::ImageError>(&loaded)) {
    if (is_source(path)) std::fprintf(stderr, "%s\n", error->message.c_str());  // file:line:column: message
    else std::fprintf(stderr, "tessrun: %s: %s\n", path, error->message.c_str());
    return 2;
  }
  auto& image = std::get<tess::ProgramImage>(loaded);

  tess::HeadlessHost::Options options;
  options.utf8 = utf8;
  options.out = screen ? nullptr : stdout;
  options.typed = stdin;
  options.command_line = command_line;
  tess::HeadlessHost host(options);
  tess::Session session;
  tess::Interpreter interp(host, tess::ProgramText(image.text), tess::session_link(session, tess::headless_handlers()));
  host.attach(interp);
  if (map) interp.set_source_map(std::move(*map));
  // The run starts in the program's own directory, as the runtime does in its executable's.
  session.files.set_module_directory(tess::host_directory_name(program_directory(path)));
  interp.reset();

  std::thread main_thread([&] {
    interp.begin_main_thread();
    interp.run_thread(0);
  });
  host.wait_for_end();
  interp.request_stop();
  const bool all_ended = interp.wait_for_threads(2000);

  if (screen) {
    std::string bytes = screen_text(host.console().text());
    if (utf8) bytes = tess::cp932_to_utf8(bytes);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  }
  std::fflush(stdout);
  const int status = host.had_error() ? 1 : 0;
  if (!all_ended) std::_Exit(status);  // a thread stuck in a wait must not hold the exit
  main_thread.join();
  return status;
}
