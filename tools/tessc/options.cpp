#include "tools/tessc/options.h"

#include <cerrno>
#include <cstdlib>

namespace tess::tessc {
namespace {

struct NumberOption {
  const char* name;
  std::optional<int> Options::*field;
  long low, high;
};

// The ranges a font record can hold: a LOGFONT height, a point size, a charset byte.
constexpr NumberOption kNumberOptions[] = {
    {"--font-height", &Options::font_height, -32768, 32767},
    {"--point-size", &Options::point_size, 0, 32767},
    {"--charset", &Options::char_set, 0, 255},
};

std::optional<int> whole_number(const std::string& text, long low, long high) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value < low || value > high) return std::nullopt;
  return static_cast<int>(value);
}

const NumberOption* number_option(const std::string& arg) {
  for (const auto& row : kNumberOptions)
    if (arg == row.name) return &row;
  return nullptr;
}

}  // namespace

Parsed parse_arguments(const std::vector<std::string>& args) {
  if (args.size() < 2) return {};
  Options o;
  o.command = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (const NumberOption* row = number_option(arg); row && has_value) {
      const std::string& value = args[++i];
      o.*(row->field) = whole_number(value, row->low, row->high);
      if (!(o.*(row->field)))
        return {std::nullopt, std::string(row->name) + " needs a whole number from " + std::to_string(row->low) +
                                  " to " + std::to_string(row->high) + ", not '" + value + "'"};
    } else if (arg == "-o" && has_value) o.output = args[++i];
    else if (arg == "--runtime" && has_value) o.runtime = args[++i];
    else if (arg == "--font" && has_value) o.face = args[++i];
    else if (arg == "--hidden") o.hidden = true;
    else if (arg == "--sjis") o.sjis = true;
    else if (arg == "--werror") o.werror = true;
    else if (!arg.empty() && arg[0] != '-' && o.source.empty()) o.source = arg;
    else return {};
  }
  if (o.source.empty()) return {};
  if ((o.command == "build" || o.command == "image") && o.output.empty()) return {};
  return {o, {}};
}

}  // namespace tess::tessc
