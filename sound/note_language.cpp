#include "sound/note_language.h"

#include <cctype>
#include <optional>
#include <string>

namespace tess {
namespace {

struct ToneProgram {
  int32_t tone;
  int program;
};

constexpr ToneProgram kInstruments[] = {
    {1, 63},   {2, 51},   {3, 4},    {4, 39},   {5, 18},   {6, 20},   {7, 73},   {8, 68},
    {9, 71},   {10, 11},  {12, 112}, {13, 1},   {21, 62},  {22, 63},  {23, 56},  {24, 50},
    {25, 51},  {26, 2},   {27, 5},   {28, 4},   {29, 27},  {30, 39},  {31, 38},  {32, 18},
    {33, 16},  {34, 20},  {35, 19},  {36, 73},  {37, 72},  {39, 71},  {40, 9},   {41, 11},
    {42, 13},  {43, 107}, {45, 7},   {47, 112}, {48, 46},  {50, 22},  {51, 114}, {52, 47},
    {53, 69},  {63, 10},  {64, 42},  {65, 58},  {67, 25},  {75, 85},  {80, 40},
};
constexpr int kOtherProgram = 6;

// Note numbers of C, D, E, F, G, A, B in octave 0.
constexpr int32_t kBase[7] = {21, 23, 12, 14, 16, 17, 19};  // indexed by letter - 'A'

// Reads the string left to right; every accessor stays inside it.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}
  bool done() const { return pos_ >= text_.size(); }
  char peek() const { return done() ? '\0' : text_[pos_]; }
  char take() { return done() ? '\0' : text_[pos_++]; }
  bool accept(char c) {
    if (peek() != c) return false;
    ++pos_;
    return true;
  }
  // Decimal digits, or nothing when none follow. Long runs saturate instead of
  // overflowing.
  std::optional<int32_t> number() {
    if (!std::isdigit(static_cast<unsigned char>(peek()))) return std::nullopt;
    int64_t n = 0;
    while (std::isdigit(static_cast<unsigned char>(peek()))) {
      n = n * 10 + (take() - '0');
      if (n > 1'000'000'000) n = 1'000'000'000;
    }
    return static_cast<int32_t>(n);
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// A length of n quarters' fraction: quarter / (n / 4). No length, or a length
// of 0 (which would divide by zero), is a quarter note.
int32_t length_ms(int32_t quarter_ms, std::optional<int32_t> n) {
  if (!n || *n == 0) return quarter_ms;
  return static_cast<int32_t>(quarter_ms / (*n * 0.25));
}

int32_t dotted(int32_t ms) { return static_cast<int32_t>(ms * 1.5); }

int32_t read_duration(Reader& r, int32_t quarter_ms) {
  int32_t ms = length_ms(quarter_ms, r.number());
  if (r.accept('.')) ms = dotted(ms);
  if (r.accept('^')) {
    int32_t tie = length_ms(quarter_ms, r.number());
    if (r.accept('.')) tie = dotted(tie);
    ms += tie;
  }
  return ms;
}

}  // namespace

int program_for_tone(int32_t tone) {
  for (const auto& entry : kInstruments)
    if (entry.tone == tone) return entry.program;
  return kOtherProgram;
}

std::vector<VoiceEvent> parse_voice(std::string_view text, VoiceRecord& voice) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  Reader r(upper);
  std::vector<VoiceEvent> events;
  while (!r.done()) {
    const char c = r.take();
    if (c == '@') {
      events.push_back({VoiceEvent::Kind::Program, program_for_tone(r.number().value_or(0)), 0});
    } else if (c == 'O') {
      // The next character is taken as the digit whatever it is.
      voice.octave = r.take() - '0';
    } else if (c == 'T') {
      // A tempo of 0 or a T without digits leaves the quarter time as it was.
      if (auto tempo = r.number(); tempo && *tempo > 0) voice.quarter_ms = static_cast<int32_t>(60.0 / *tempo * 1000);
    } else if (c >= 'A' && c <= 'G') {
      int32_t note = kBase[c - 'A'] + 12 * voice.octave;
      if (r.accept('+')) ++note;
      else if (r.accept('-')) --note;
      events.push_back({VoiceEvent::Kind::Note, note, read_duration(r, voice.quarter_ms)});
    } else if (c == 'P') {
      events.push_back({VoiceEvent::Kind::Rest, 0, read_duration(r, voice.quarter_ms)});
    }
  }
  return events;
}

}  // namespace tess
