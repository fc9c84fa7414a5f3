// cp932dump FILE: the runtime's code page 932 conversion of every single byte,
// every lead byte with every byte after it and every UTF-16 unit, one line each,
// in the form the UI driver's cp932-dump writes for the system's own conversion,
// so the locale suite can compare the two.
#include <cstdio>
#include <string>

#include "system/cp932.h"

namespace {

void units_line(std::FILE* f, const char* kind, unsigned code, int digits, const std::u16string& units) {
  std::fprintf(f, "%s %0*x", kind, digits, code);
  for (const char16_t u : units) std::fprintf(f, " %04x", static_cast<unsigned>(u));
  std::fputc('\n', f);
}

bool is_lead(int b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cp932dump FILE\n");
    return 2;
  }
  std::FILE* f = std::fopen(argv[1], "wb");
  if (!f) return 1;
  using tess::cp932::from_utf16;
  using tess::cp932::to_utf16;
  for (int b = 0; b < 256; ++b) units_line(f, "s", static_cast<unsigned>(b), 2, to_utf16(std::string(1, static_cast<char>(b))));
  for (int lead = 0; lead < 256; ++lead) {
    if (!is_lead(lead)) continue;
    for (int next = 0; next < 256; ++next)
      units_line(f, "d", static_cast<unsigned>(lead * 256 + next), 4,
                 to_utf16(std::string{static_cast<char>(lead), static_cast<char>(next)}));
  }
  for (unsigned u = 0; u < 0x10000; ++u) {
    std::fprintf(f, "u %04x", u);
    for (const char byte : from_utf16(std::u16string(1, static_cast<char16_t>(u)))) std::fprintf(f, " %02x", static_cast<unsigned char>(byte));
    std::fputc('\n', f);
  }
  return std::fclose(f) == 0 ? 0 : 1;
}
