// The music statement on the last MIDI output device.
#include <atomic>
#include <string>
#include <vector>

#include "interp/error.h"
#include "interp/evaluate.h"
#include "interp/interpreter.h"
#include "interp/lock_release.h"
#include "interp/value_text.h"
#include "session/session.h"
#include "sound/music_performance.h"
#include "sound/sound_handlers.h"
#include "sound/sound_win32.h"
#include "system/wide_win32.h"
#include "system/win32_services.h"

namespace tess {
namespace {

constexpr int kSoundError = 99;
constexpr char kNoMidiDevice[] =
    "\x4d\x69\x64\x69\x8f\x6f\x97\xcd\x83\x66\x83\x6f\x83\x43\x83\x58\x82\xaa\x83\x43\x83\x93\x83\x58\x83\x67\x81\x5b"
    "\x83\x8b\x82\xb3\x82\xea\x82\xc4\x82\xa2\x82\xc8\x82\xa2\x89\xc2\x94\x5c\x90\xab\x82\xaa\x82\xa0\x82\xe8\x82\xdc"
    "\x82\xb7";  // "Midi出力デバイスがインストールされていない可能性があります"

std::string midi_error_text(MMRESULT result) {
  wchar_t text[MAXERRORLENGTH] = {};
  midiOutGetErrorTextW(result, text, std::size(text));
  return narrow_terminated(text, std::size(text));
}

class MidiOut : public MidiSink {
 public:
  explicit MidiOut(HMIDIOUT handle) : handle_(handle) {}
  bool send(uint32_t message) override {
    const MMRESULT result = midiOutShortMsg(handle_, message);
    if (result != MMSYSERR_NOERROR) failure_ = result;
    return result == MMSYSERR_NOERROR;
  }
  MMRESULT failure() const { return failure_; }

 private:
  HMIDIOUT handle_;
  std::atomic<MMRESULT> failure_{MMSYSERR_NOERROR};
};

// The first music statement opens the last device and sets every channel to
// the instrument of tone 0.
HMIDIOUT open_midi(SoundDevice& s) {
  if (s.midi) return s.midi;
  const UINT devices = midiOutGetNumDevs();
  if (devices == 0) raise_error(kSoundError, kNoMidiDevice);
  HMIDIOUT handle = nullptr;
  const MMRESULT result = midiOutOpen(&handle, devices - 1, 0, 0, CALLBACK_NULL);
  if (result != MMSYSERR_NOERROR) raise_error(kSoundError, midi_error_text(result));
  s.midi = handle;
  for (int channel = 0; channel < kVoices; ++channel) {
    const MMRESULT sent = midiOutShortMsg(handle, program_change_message(channel, program_for_tone(0)));
    if (sent != MMSYSERR_NOERROR) raise_error(kSoundError, midi_error_text(sent));
  }
  return handle;
}

}  // namespace

// Parsing and the device run under the lock; the voices play without it, and a
// stop request ends every voice within one sleep check.
void stmt_play(Exec& ex, std::string_view args) {
  if (is_alloc_form(args)) return;  // nothing to allocate
  MidiOut out(open_midi(win32(ex).sound));
  const std::vector<std::string> strings = split_voices(args);
  std::vector<std::vector<VoiceEvent>> voices;
  for (std::size_t v = 0; v < strings.size(); ++v) {
    const std::string text = strip_blanks(decode(eval_string(ex.in, strings[v]), false));
    voices.push_back(parse_voice(text, ex.session().voices[v]));
  }
  Interpreter& in = ex.in;
  bool played = false;
  {
    const LockReleased playing(ex);
    played = perform_music(voices, out, [&in](int32_t ms) {
      in.sleep_unless_stopped(ms);
      return !in.stop_requested();
    });
  }
  if (!played) raise_error(kSoundError, midi_error_text(out.failure()));
}

void close_midi(SoundDevice& s) {
  if (!s.midi) return;
  midiOutReset(s.midi);
  midiOutClose(s.midi);
  s.midi = nullptr;
}

}  // namespace tess
