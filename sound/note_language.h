// The note language of the music statement: a voice string becomes a list of
// timed events for one channel. Parsing is separate from playing so that the
// timing rules can be checked without a MIDI device.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tess {

// What persists per voice index between music statements (the interpreter
// reset restores the start values).
struct VoiceRecord {
  int32_t octave = 4;
  int32_t quarter_ms = 500;
};

inline constexpr int kVoices = 8;
using VoiceRecords = std::array<VoiceRecord, kVoices>;

struct VoiceEvent {
  enum class Kind { Note, Rest, Program };
  Kind kind;
  int32_t value;        // note number or program number (unused for a rest)
  int32_t duration_ms;  // note and rest only
  friend bool operator==(const VoiceEvent&, const VoiceEvent&) = default;
};

// The program number sent for a tone number given after '@'.
int program_for_tone(int32_t tone);

// Reads a voice string (any letter case) from the start, updating the voice's
// octave and quarter time as the string says, and answers its events.
std::vector<VoiceEvent> parse_voice(std::string_view text, VoiceRecord& voice);

}  // namespace tess
