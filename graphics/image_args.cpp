#include "graphics/image_args.h"

#include <array>

#include "graphics/argument_text.h"
#include "interp/evaluate.h"
#include "interp/value_text.h"

namespace tess {
namespace {

struct Word {
  std::string_view word;
  uint32_t value;
};

constexpr std::array<Word, 4> kRasterOperations = {{
    {"pset", 0x00CC0020},  // SRCCOPY
    {"or", 0x00EE0086},    // SRCPAINT
    {"xor", 0x00660046},   // SRCINVERT
    {"and", 0x008800C6},   // SRCAND
}};

constexpr std::array<Word, 4> kCharacterSets = {{
    {"ansi", 0}, {"default", 1}, {"shiftjis", 128}, {"oem", 255}}};

struct Style {
  std::string_view word;
  bool italic;
  int32_t weight;
};
constexpr std::array<Style, 4> kStyles = {{
    {"", false, 0}, {"italic", true, 0}, {"bold", false, 700}, {"allset", true, 700}}};

template <class Table>
const auto* find_word(const Table& table, std::string_view text) {
  const std::string word = strip_blanks(text);
  for (const auto& row : table)
    if (is_word(word, row.word)) return &row;
  return static_cast<decltype(&table[0])>(nullptr);
}

}  // namespace

uint32_t raster_operation(std::string_view word) {
  const Word* row = find_word(kRasterOperations, word);
  if (!row) argument_error("put image", "the raster operation is pset, or, xor or and");
  return row->value;
}

LoadImageArgs parse_load_image(Interpreter& in, std::string_view args) {
  const auto parts = split_all(args);
  if (parts.size() < 2) argument_error("load image", "a file name must follow the variable");
  if (parts.size() > 2) argument_error("load image", "nothing may follow the file name");
  std::string name = decode(eval_string(in, parts[1]), true);
  name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
  return {strip_blanks(parts[0]), std::move(name)};
}

GetImageArgs parse_get_image(Interpreter& in, std::string_view args) {
  constexpr std::string_view kName = "get image";
  GetImageArgs get;
  const PairRead first = read_pair(in, args, 0, kName);
  get.first = first.point;
  std::size_t pos = first.next;
  if (pos >= args.size() || args[pos] != '-') argument_error(kName, "'-' expected after the first corner");
  ++pos;
  const bool relative = args.size() - pos >= 4 && is_word(args.substr(pos, 4), "step");
  if (relative) pos += 4;
  const PairRead second = read_pair(in, args, pos, kName);
  get.second = relative ? Point32{get.first.x + second.point.x, get.first.y + second.point.y} : second.point;
  if (second.next >= args.size() || args[second.next] != ',') argument_error(kName, "',' and a variable expected");
  const auto rest = split_all(args.substr(second.next + 1));
  if (rest.size() != 1) argument_error(kName, "the variable is the last argument");
  get.variable = strip_blanks(rest[0]);
  return get;
}

PutImageArgs parse_put_image(Interpreter& in, std::string_view args) {
  constexpr std::string_view kName = "put image";
  PutImageArgs put;
  const PairRead at = read_pair(in, args, 0, kName);
  put.at = at.point;
  // The character after the ")" is taken to be the comma.
  if (at.next + 1 >= args.size()) argument_error(kName, "an image must follow the coordinates");
  const auto rest = split_all(args.substr(at.next + 1));
  if (rest.size() < 2) argument_error(kName, "a raster operation must follow the image");
  if (rest.size() > 2) argument_error(kName, "the raster operation is the last argument");
  put.image = eval_int(in, rest[0]);
  put.raster_operation = raster_operation(rest[1]);
  return put;
}

TextArgs parse_text(Interpreter& in, std::string_view args) {
  constexpr std::string_view kName = "text";
  const auto parts = split_all(args);
  if (parts.size() < 3) argument_error(kName, "x, y and a text are required");
  if (parts.size() > 10) argument_error(kName, "the character set is the last argument");
  TextArgs t;
  t.x = eval_int(in, parts[0]);
  t.y = eval_int(in, parts[1]);
  t.text = eval_plain_text(in, parts[2]);
  auto given = [&](std::size_t i) { return i < parts.size(); };
  if (given(3)) t.colour = colour_rgb(eval_int(in, parts[3]));
  if (given(4)) {
    const int32_t background = eval_int(in, parts[4]);
    t.background = background == -1 ? kTransparentRgb : colour_rgb(background);
  }
  if (given(5)) {
    const int32_t height = eval_int(in, parts[5]);
    if (height != -1) t.height = height;
  }
  if (given(6)) t.width = eval_int(in, parts[6]);
  if (given(7) && !strip_blanks(parts[7]).empty()) t.face = eval_string(in, parts[7]);
  if (given(8)) {
    const Style* style = find_word(kStyles, parts[8]);
    if (!style) argument_error(kName, "the style is italic, bold or allset");
    t.italic = style->italic;
    t.weight = style->weight;
  }
  if (given(9)) {
    const Word* set = find_word(kCharacterSets, parts[9]);
    if (!set) argument_error(kName, "the character set is ansi, default, shiftjis or oem");
    t.char_set = static_cast<uint8_t>(set->value);
  }
  return t;
}

}  // namespace tess
