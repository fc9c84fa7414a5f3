// mkimage: builds a program image from program text written with C-style escapes
// (\n, \t, \\, \xNN) and statement codes by keyword (\{PRINT} is the print
// code's two bytes), for tests that need images the tokeniser cannot make
// (corrupt, truncated or hand-crafted ones).
//   mkimage [--hidden] [--exe RUNTIME] [--truncate N] [--length-trailer N] [--text-length N] OUT TEXT
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "interp/statements.h"
#include "startup/program_image.h"

namespace {

// The two code bytes of the statement keyword that `s` (after "\{") starts,
// up to its '}'; sets `s` on the '}'.
std::string statement_bytes(const char*& s) {
  const char* close = std::strchr(s, '}');
  const std::string_view keyword(s, close ? static_cast<std::size_t>(close - s) : std::strlen(s));
  for (const tess::StatementInfo& row : tess::all_statements())
    if (row.keyword == keyword && close) {
      s = close;
      return {static_cast<char>(row.code >> 8), static_cast<char>(row.code & 0xFF)};
    }
  std::fprintf(stderr, "mkimage: no statement %.*s\n", static_cast<int>(keyword.size()), keyword.data());
  std::exit(2);
}

std::string unescape(const char* s) {
  std::string out;
  for (; *s; ++s) {
    if (*s != '\\' || !s[1]) {
      out += *s;
      continue;
    }
    ++s;
    switch (*s) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '{': out += statement_bytes(++s); break;
      case 'x': {
        char hex[3] = {s[1], s[1] ? s[2] : '\0', 0};
        out += static_cast<char>(std::strtol(hex, nullptr, 16));
        s += 2;
        break;
      }
      default: out += *s;
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  bool hidden = false;
  const char* exe = nullptr;
  long truncate = -1, trailer = -1, text_length = -1;
  int i = 1;
  for (; i < argc && argv[i][0] == '-' && argv[i][1] == '-'; ++i) {
    if (!std::strcmp(argv[i], "--hidden")) hidden = true;
    else if (!std::strcmp(argv[i], "--exe") && i + 1 < argc) exe = argv[++i];
    else if (!std::strcmp(argv[i], "--truncate") && i + 1 < argc) truncate = std::atol(argv[++i]);
    else if (!std::strcmp(argv[i], "--length-trailer") && i + 1 < argc) trailer = std::atol(argv[++i]);
    else if (!std::strcmp(argv[i], "--text-length") && i + 1 < argc) text_length = std::atol(argv[++i]);
    else break;
  }
  if (argc - i != 2) {
    std::fprintf(stderr, "usage: mkimage [--hidden] [--exe RUNTIME] [--truncate N] [--length-trailer N] [--text-length N] OUT TEXT\n");
    return 2;
  }
  const std::string text = unescape(argv[i + 1]);
  auto image = tess::build_image(tess::default_console_font(), hidden,
                                 {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  if (text_length >= 0) {
    // The text length field stands just before the text, which ends 4 bytes before the end.
    const std::size_t field = image.size() - 4 - text.size() - 4;
    const auto n = static_cast<uint32_t>(text_length);
    for (int k = 0; k < 4; ++k) image[field + static_cast<std::size_t>(k)] = static_cast<uint8_t>(n >> (24 - 8 * k));
  }
  if (trailer >= 0) {
    const auto n = static_cast<uint32_t>(trailer);
    std::size_t end = image.size();
    for (int k = 0; k < 4; ++k) image[end - 4 + static_cast<std::size_t>(k)] = static_cast<uint8_t>(n >> (24 - 8 * k));
  }
  if (truncate >= 0 && static_cast<std::size_t>(truncate) < image.size()) image.resize(static_cast<std::size_t>(truncate));
  std::vector<char> out;
  if (exe) {
    std::ifstream in(exe, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "mkimage: cannot read %s\n", exe);
      return 2;
    }
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  out.insert(out.end(), image.begin(), image.end());
  std::ofstream f(argv[i], std::ios::binary);
  f.write(out.data(), static_cast<std::streamsize>(out.size()));
  return f ? 0 : 2;
}
