// tessc: the Tessaly tokeniser and packer.
//   tessc build SRC -o APP.exe [--runtime RUNTIME.exe] [font options] [--hidden] [--sjis]
//   tessc image SRC -o FILE.img [font options] [--hidden] [--sjis]
//   tessc dump IMAGE_OR_EXE [--sjis]
// Font options: --font FACE, --font-height N, --point-size N, --charset N.
// Source errors go to stderr as file:line:column: message; the exit status is 1
// and nothing is written.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "headless/headless_host.h"
#include "startup/program_image.h"
#include "tools/tokenizer/disassembler.h"
#include "tools/tokenizer/tokenizer.h"

namespace {

namespace fs = std::filesystem;

struct Options {
  std::string command, source, output, runtime, face;
  std::optional<int> font_height, point_size, char_set;
  bool hidden = false, sjis = false;
};

int usage() {
  std::fprintf(stderr,
               "usage: tessc build SRC -o APP.exe [--runtime RUNTIME.exe] [--font FACE] [--font-height N]\n"
               "                 [--point-size N] [--charset N] [--hidden] [--sjis]\n"
               "       tessc image SRC -o FILE.img [font options] [--hidden] [--sjis]\n"
               "       tessc dump IMAGE_OR_EXE [--sjis]\n");
  return 2;
}

std::optional<Options> parse_arguments(int argc, char** argv) {
  if (argc < 3) return std::nullopt;
  Options o;
  o.command = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "-o" && has_value) o.output = argv[++i];
    else if (arg == "--runtime" && has_value) o.runtime = argv[++i];
    else if (arg == "--font" && has_value) o.face = argv[++i];
    else if (arg == "--font-height" && has_value) o.font_height = std::atoi(argv[++i]);
    else if (arg == "--point-size" && has_value) o.point_size = std::atoi(argv[++i]);
    else if (arg == "--charset" && has_value) o.char_set = std::atoi(argv[++i]);
    else if (arg == "--hidden") o.hidden = true;
    else if (arg == "--sjis") o.sjis = true;
    else if (arg[0] != '-' && o.source.empty()) o.source = arg;
    else return std::nullopt;
  }
  if (o.source.empty()) return std::nullopt;
  if (o.command != "dump" && o.output.empty()) return std::nullopt;
  return o;
}

std::optional<std::vector<uint8_t>> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool write_file(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// The runtime the build produced: build/win/runtime.exe beside build/bin/tessc.
std::string default_runtime() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path beside = self.parent_path().parent_path() / "win" / "runtime.exe";
    if (fs::exists(beside)) return beside.string();
  }
  return "build/win/runtime.exe";
}

std::optional<tess::FontRecord> font_from(const Options& o) {
  tess::FontRecord font = tess::default_console_font();
  if (!o.face.empty()) {
    std::string face;
    try {
      face = tess::tok::read_source_lines(o.face, tess::tok::Encoding::kUtf8).at(0).bytes;
    } catch (const tess::tok::SourceError&) {
      return std::nullopt;
    }
    if (face.size() >= font.face_name.size()) return std::nullopt;
    font.face_name.fill('\0');
    std::copy(face.begin(), face.end(), font.face_name.begin());
  }
  if (o.font_height) font.height = *o.font_height;
  if (o.point_size) font.point_size = *o.point_size;
  // 0 (ANSI) lets a Latin face be used as it is rather than replaced by a Japanese one.
  if (o.char_set) font.char_set = static_cast<uint8_t>(*o.char_set);
  return font;
}

int pack(const Options& o) {
  const auto encoding = o.sjis ? tess::tok::Encoding::kShiftJis : tess::tok::Encoding::kUtf8;
  auto result = tess::tok::tokenize_file(o.source, encoding);
  if (auto* error = std::get_if<tess::tok::FileError>(&result)) {
    std::fprintf(stderr, "%s\n", error->text().c_str());
    return 1;
  }
  const auto font = font_from(o);
  if (!font) {
    std::fprintf(stderr, "tessc: the font face must be at most 31 bytes of Shift-JIS\n");
    return 1;
  }
  const auto image = tess::build_image(*font, o.hidden, std::get<std::vector<uint8_t>>(result));
  std::vector<uint8_t> bytes;
  if (o.command == "build") {
    const std::string runtime = o.runtime.empty() ? default_runtime() : o.runtime;
    auto runtime_bytes = read_file(runtime);
    if (!runtime_bytes) {
      std::fprintf(stderr, "tessc: cannot read the runtime %s (give --runtime)\n", runtime.c_str());
      return 1;
    }
    bytes = std::move(*runtime_bytes);
  }
  bytes.insert(bytes.end(), image.begin(), image.end());
  if (!write_file(o.output, bytes)) {
    std::fprintf(stderr, "tessc: cannot write %s\n", o.output.c_str());
    std::remove(o.output.c_str());
    return 1;
  }
  if (o.command == "build") fs::permissions(o.output, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                                            fs::perm_options::add);
  return 0;
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
  if (!o.sjis) listing = tess::cp932_to_utf8(listing);
  std::fwrite(listing.data(), 1, listing.size(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const auto options = parse_arguments(argc, argv);
  if (!options) return usage();
  if (options->command == "build" || options->command == "image") return pack(*options);
  if (options->command == "dump") return dump(*options);
  return usage();
}
