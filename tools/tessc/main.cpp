// tessc: the Tessaly tokeniser and packer.
//   tessc build SRC|PROGRAM -o APP.exe [--runtime RUNTIME.exe] [font options] [--hidden] [--sjis] [--werror]
//   tessc image SRC -o FILE.img [font options] [--hidden] [--sjis] [--werror]
//   tessc run SRC|PROGRAM [--runtime RUNTIME.exe] [--sjis]
//   tessc dump IMAGE_OR_EXE [--sjis]
//   tessc --version
// Font options: --font FACE, --font-height N, --point-size N, --charset N.
// Source errors and warnings go to stderr as file:line:column: message. On an
// error (or a warning with --werror) the exit status is 1 and nothing is
// written. build and image write NAME.map beside the output: where each
// statement came from, so that runtime errors name the source line.
#include <cstdio>
#include <cstdlib>
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "interp/source_map.h"
#include "startup/program_image.h"
#include "tools/tessc/options.h"
#include "tools/tessc/platform.h"
#include "tools/tokenizer/codepage.h"
#include "tools/tokenizer/disassembler.h"
#include "tools/tokenizer/tokenizer.h"

#ifndef TESS_VERSION
#define TESS_VERSION "unknown"
#endif

namespace {

using tess::tessc::Options;
namespace platform = tess::tessc;

int usage() {
  std::fprintf(stderr,
               "usage: tessc build SRC|PROGRAM.exe -o APP.exe [--runtime RUNTIME.exe] [--font FACE] [--font-height N]\n"
               "                 [--point-size N] [--charset N] [--hidden] [--sjis] [--werror]\n"
               "       tessc image SRC -o FILE.img [font options] [--hidden] [--sjis] [--werror]\n"
               "       tessc run SRC|PROGRAM [--runtime RUNTIME.exe] [--sjis] [--werror]\n"
               "       tessc dump IMAGE_OR_EXE [--sjis]\n"
               "       tessc --version\n");
  return 2;
}

std::optional<std::vector<uint8_t>> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool write_file(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
  return write_file(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool exists(const std::string& path) { return static_cast<bool>(std::ifstream(path, std::ios::binary)); }

// runtime.exe in tessc's own folder (as unpacked from the release), or the one
// the build produced (build/win/runtime.exe beside build/bin/tessc).
std::string default_runtime() {
  const std::string self = platform::self_directory();
  if (!self.empty()) {
    const std::string beside = platform::join_path(self, "runtime.exe");
    if (exists(beside)) return beside;
    const std::string built = platform::join_path(platform::join_path(self, ".."), "win/runtime.exe");
    if (exists(built)) return built;
  }
  return "runtime.exe";
}

std::string file_name(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string extension(const std::string& path) {
  const std::string name = file_name(path);
  const std::size_t dot = name.rfind('.');
  std::string ext = dot == std::string::npos ? std::string() : name.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

// A command-line word as Shift-JIS.
std::optional<std::string> to_sjis(const std::string& text) {
  if (platform::system_text_is_sjis()) return text;
  try {
    const auto lines = tess::tok::read_source_lines(text, tess::tok::Encoding::kUtf8);
    return lines.empty() ? std::string() : lines.at(0).bytes;
  } catch (const tess::tok::SourceError&) {
    return std::nullopt;
  }
}

std::optional<tess::FontRecord> font_from(const Options& o) {
  tess::FontRecord font = tess::default_console_font();
  if (!o.face.empty()) {
    const auto face = to_sjis(o.face);
    if (!face || face->size() >= font.face_name.size()) return std::nullopt;
    font.face_name.fill('\0');
    std::copy(face->begin(), face->end(), font.face_name.begin());
  }
  if (o.font_height) font.height = *o.font_height;
  if (o.point_size) font.point_size = *o.point_size;
  // 0 (ANSI) lets a Latin face be used as it is rather than replaced by a Japanese one.
  if (o.char_set) font.char_set = static_cast<uint8_t>(*o.char_set);
  return font;
}

bool is_program_file(const std::string& path) {
  const std::string ext = extension(path);
  return ext == ".exe" || ext == ".img";
}

// What goes after the runtime: the image, and the map that describes it.
struct Packed {
  std::vector<uint8_t> image;
  std::optional<std::string> map;  // the map file's text
};

std::optional<Packed> compile(const Options& o) {
  const auto encoding = o.sjis ? tess::tok::Encoding::kShiftJis : tess::tok::Encoding::kUtf8;
  auto result = tess::tok::tokenize_program_file(o.source, encoding);
  if (auto* error = std::get_if<tess::tok::FileError>(&result)) {
    std::fprintf(stderr, "%s\n", error->text().c_str());
    return std::nullopt;
  }
  auto& program = std::get<tess::tok::Tokenized>(result);
  for (const auto& w : program.warnings)
    std::fprintf(stderr, "%s:%d:%d: %s: %s\n", o.source.c_str(), w.line, w.column, o.werror ? "error" : "warning",
                 w.message.c_str());
  if (o.werror && !program.warnings.empty()) return std::nullopt;
  const auto font = font_from(o);
  if (!font) {
    std::fprintf(stderr, "tessc: the font face must be at most 31 bytes of Shift-JIS\n");
    return std::nullopt;
  }
  program.map.file = to_sjis(o.source).value_or(o.source);
  Packed packed;
  packed.image = tess::build_image(*font, o.hidden, program.text);
  packed.map = tess::write_source_map(program.map, tess::program_text_hash(program.text));
  return packed;
}

// An existing program (runtime + image, or an image alone): its image exactly as
// it is, and its map when one that matches sits beside it.
std::optional<Packed> take_image(const Options& o) {
  auto file = read_file(o.source);
  if (!file) {
    std::fprintf(stderr, "tessc: cannot open %s\n", o.source.c_str());
    return std::nullopt;
  }
  auto parsed = tess::parse_file_tail(*file);
  if (auto* error = std::get_if<tess::ImageError>(&parsed)) {
    std::fprintf(stderr, "tessc: %s: %s\n", o.source.c_str(), error->message.c_str());
    return std::nullopt;
  }
  const std::size_t n = static_cast<std::size_t>((*file)[file->size() - 4]) << 24 | (*file)[file->size() - 3] << 16 |
                        (*file)[file->size() - 2] << 8 | (*file)[file->size() - 1];
  Packed packed;
  packed.image.assign(file->end() - static_cast<std::ptrdiff_t>(n + 4), file->end());
  const auto& text = std::get<tess::ProgramImage>(parsed).text;
  if (auto map_file = read_file(tess::map_path_for(o.source))) {
    const std::string map_text(map_file->begin(), map_file->end());
    if (tess::read_source_map(map_text, tess::program_text_hash(text))) packed.map = map_text;
  }
  return packed;
}

bool refuse_overwrite(const Options& o, const std::string& runtime) {
  for (const std::string& input : {o.source, runtime}) {
    if (input.empty()) continue;
    if (platform::same_file(o.output, input)) {
      std::fprintf(stderr, "tessc: the output %s is the input %s; nothing written\n", o.output.c_str(), input.c_str());
      return true;
    }
    if (platform::same_file(tess::map_path_for(o.output), input)) {
      std::fprintf(stderr, "tessc: the map %s would overwrite the input %s; nothing written\n",
                   tess::map_path_for(o.output).c_str(), input.c_str());
      return true;
    }
  }
  return false;
}

int pack(const Options& o) {
  const bool build = o.command == "build";
  const std::string runtime = build ? (o.runtime.empty() ? default_runtime() : o.runtime) : std::string();
  if (refuse_overwrite(o, runtime)) return 1;
  const auto packed = build && is_program_file(o.source) ? take_image(o) : compile(o);
  if (!packed) return 1;
  std::vector<uint8_t> bytes;
  if (build) {
    auto runtime_bytes = read_file(runtime);
    if (!runtime_bytes) {
      std::fprintf(stderr, "tessc: cannot read the runtime %s (give --runtime)\n", runtime.c_str());
      return 1;
    }
    bytes = std::move(*runtime_bytes);
  }
  bytes.insert(bytes.end(), packed->image.begin(), packed->image.end());
  if (!write_file(o.output, bytes)) {
    std::fprintf(stderr, "tessc: cannot write %s\n", o.output.c_str());
    std::remove(o.output.c_str());
    return 1;
  }
  const std::string map_path = tess::map_path_for(o.output);
  if (packed->map) write_file(map_path, *packed->map);
  else std::remove(map_path.c_str());  // a map of an earlier program would not match anyway
  if (build) platform::make_executable(o.output);
  return 0;
}

// A program that asks for the file dialog starts filedlg.exe from its own
// folder: the one beside the runtime goes into the run folder with it (unless
// the program itself is called filedlg).
void copy_file_dialog(const std::string& runtime, const std::string& folder) {
  const std::string target = platform::join_path(folder, "filedlg.exe");
  if (exists(target)) return;
  if (auto bytes = read_file(platform::join_path(folder_of(runtime), "filedlg.exe"))) write_file(target, *bytes);
}

// Builds (when given a source) into a folder of its own, runs the program on
// runtime.exe and prints the diagnostic it left.
int run(Options o) {
  const std::string folder = platform::make_run_folder();
  if (folder.empty()) {
    std::fprintf(stderr, "tessc: cannot make a folder to run in\n");
    return 2;
  }
  std::string stem = file_name(o.source);
  stem = stem.substr(0, stem.size() - extension(stem).size());
  o.command = "build";
  o.output = platform::join_path(folder, stem + ".exe");
  const std::string diagnostics = platform::join_path(folder, "diagnostics.txt");
  int status = pack(o);
  if (status == 0) {
    copy_file_dialog(o.runtime.empty() ? default_runtime() : o.runtime, folder);
    status = platform::launch_program(o.output, diagnostics);
    if (auto text = read_file(diagnostics); text && !text->empty()) {
      std::string shown(text->begin(), text->end());
      if (!o.sjis && !platform::system_text_is_sjis()) shown = tess::tok::cp932_to_utf8_text(shown);
      std::fwrite(shown.data(), 1, shown.size(), stderr);
      status = 1;
    } else if (status < 0) {
      std::fprintf(stderr, "tessc: cannot start %s\n", o.output.c_str());
      status = 2;
    }
  }
  platform::remove_run_folder(folder, stem + ".exe\n" + stem + ".map\ndiagnostics.txt\nfiledlg.exe");
  return status;
}

int dump(const Options& o) {
  auto file = read_file(o.source);
  if (!file) {
    std::fprintf(stderr, "tessc: cannot open %s\n", o.source.c_str());
    return 1;
  }
  auto parsed = tess::parse_file_tail(*file);
  if (auto* error = std::get_if<tess::ImageError>(&parsed)) {
    std::fprintf(stderr, "tessc: %s: %s\n", o.source.c_str(), error->message.c_str());
    return 1;
  }
  const auto& image = std::get<tess::ProgramImage>(parsed);
  std::string listing;
  try {
    const std::string_view text(reinterpret_cast<const char*>(image.text.data()), image.text.size());
    listing = tess::tok::disassemble(text);
  } catch (const tess::tok::DumpError& error) {
    std::fprintf(stderr, "tessc: %s: %s\n", o.source.c_str(), error.what());
    return 1;
  }
  const std::string face(image.font.face_name.data());
  listing = "' font \"" + face + "\", height " + std::to_string(image.font.height) + ", point size " +
            std::to_string(image.font.point_size) + (image.start_hidden ? ", console hidden\n" : "\n") + listing;
  if (!o.sjis && !platform::system_text_is_sjis()) listing = tess::tok::cp932_to_utf8_text(listing);
  std::fwrite(listing.data(), 1, listing.size(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "--version") {
    std::printf("tessc %s\n", TESS_VERSION);
    return 0;
  }
  const auto parsed = tess::tessc::parse_arguments(args);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "tessc: %s\n", parsed.error.c_str());
    return 2;
  }
  if (!parsed.options) return usage();
  const Options& o = *parsed.options;
  if (o.command == "build" || o.command == "image") return pack(o);
  if (o.command == "run") return run(o);
  if (o.command == "dump") return dump(o);
  return usage();
}
