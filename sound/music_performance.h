// Playing parsed voices: each voice on its own thread, sending MIDI short
// messages to a sink and sleeping through a clock that a stop request cuts short.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sound/note_language.h"

namespace tess {

// Short messages, low byte first: status, data 1, data 2. Data bytes keep their
// low 8 bits, so a note number beyond 127 cannot spill into the velocity.
uint32_t note_on_message(int channel, int32_t note);
uint32_t note_off_message(int channel, int32_t note);
uint32_t program_change_message(int channel, int32_t program);

class MidiSink {
 public:
  virtual ~MidiSink() = default;
  // Sends one short message (may be called from several voice threads at
  // once); false when the device refused it.
  virtual bool send(uint32_t message) = 0;
};

// Sleeps for ms; false when the run is stopping (the sleep then ends early).
using VoiceSleep = std::function<bool(int32_t ms)>;

// Plays one voice on its channel. A note cut short by a stop still gets its
// note off. False when a message failed (the voice then ends).
bool play_voice(const std::vector<VoiceEvent>& events, int channel, MidiSink& sink, const VoiceSleep& sleep);

// Plays voices 0..n-1 on channels 0..n-1, all starting together, and returns
// when the last has ended. False when any voice had a failed message.
bool perform_music(const std::vector<std::vector<VoiceEvent>>& voices, MidiSink& sink, const VoiceSleep& sleep);

// The music statement's argument text: up to eight string expressions, one per
// voice. Answers the expressions; more than eight is a runtime error.
std::vector<std::string> split_voices(std::string_view args);

// True when the argument text starts with "alloc" (any case), the form that
// does nothing.
bool is_alloc_form(std::string_view args);

}  // namespace tess
