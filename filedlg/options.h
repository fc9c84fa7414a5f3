// filedlg's command line: options, then the filter (the whole rest of the line).
// Header-only so that the native unit tests can check it without Windows.
#pragma once
#include <cctype>
#include <string>
#include <string_view>

namespace filedlg {

enum class Mode { Open, Save };

struct Options {
  Mode mode = Mode::Open;
  std::string default_extension;  // empty: none given
  std::string filter;             // items ended by '/', as typed
  bool bad_option = false;
};

// "すべてのファイル (*.*)/*.*/" (all files)
inline constexpr char kDefaultFilter[] =
    "\x82\xb7\x82\xd7\x82\xc4\x82\xcc\x83\x74\x83\x40\x83\x43\x83\x8b\x20\x28\x2a\x2e\x2a\x29\x2f\x2a\x2e\x2a\x2f";

inline Options parse_options(std::string_view line) {
  Options o;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ') {
      ++i;
    } else if (c == '-' && i + 1 < line.size() && std::isalpha(static_cast<unsigned char>(line[i + 1]))) {
      switch (std::toupper(static_cast<unsigned char>(line[i + 1]))) {
        case 'D':
          o.default_extension = std::string(line.substr(i + 2, 3));
          i += 5;
          continue;
        case 'L':
        case 'O': o.mode = Mode::Open; break;
        case 'S': o.mode = Mode::Save; break;
        default: o.bad_option = true; return o;
      }
      i += 2;
    } else {
      o.filter = std::string(line.substr(i));
      break;
    }
  }
  if (o.filter.empty()) o.filter = kDefaultFilter;
  return o;
}

// The filter as the dialog wants it: every '/' a zero byte, and a final pair of
// zeros ending the list.
inline std::string dialog_filter(std::string_view filter) {
  std::string out(filter);
  for (char& c : out)
    if (c == '/') c = '\0';
  out.append(2, '\0');
  return out;
}

}  // namespace filedlg
