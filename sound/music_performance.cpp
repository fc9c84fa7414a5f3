#include "sound/music_performance.h"

#include <cctype>
#include <thread>

#include "interp/error.h"
#include "interp/evaluate.h"

namespace tess {
namespace {

uint32_t short_message(int status, int32_t data1, int32_t data2) {
  return static_cast<uint32_t>(status & 0xFF) | (static_cast<uint32_t>(data1) & 0xFF) << 8 |
         (static_cast<uint32_t>(data2) & 0xFF) << 16;
}

constexpr int32_t kVelocity = 0x60;

}  // namespace

uint32_t note_on_message(int channel, int32_t note) { return short_message(0x90 + channel, note, kVelocity); }
uint32_t note_off_message(int channel, int32_t note) { return short_message(0x90 + channel, note, 0); }
uint32_t program_change_message(int channel, int32_t program) { return short_message(0xC0 + channel, program, 0); }

bool play_voice(const std::vector<VoiceEvent>& events, int channel, MidiSink& sink, const VoiceSleep& sleep) {
  for (const VoiceEvent& e : events) {
    switch (e.kind) {
      case VoiceEvent::Kind::Program:
        if (!sink.send(program_change_message(channel, e.value))) return false;
        break;
      case VoiceEvent::Kind::Note: {
        if (!sink.send(note_on_message(channel, e.value))) return false;
        const bool went_on = sleep(e.duration_ms);
        if (!sink.send(note_off_message(channel, e.value))) return false;
        if (!went_on) return true;
        break;
      }
      case VoiceEvent::Kind::Rest:
        if (!sleep(e.duration_ms)) return true;
        break;
    }
  }
  return true;
}

bool perform_music(const std::vector<std::vector<VoiceEvent>>& voices, MidiSink& sink, const VoiceSleep& sleep) {
  std::vector<char> ok(voices.size(), 1);
  std::vector<std::thread> threads;
  threads.reserve(voices.size());
  for (std::size_t v = 0; v < voices.size(); ++v)
    threads.emplace_back([&, v] { ok[v] = play_voice(voices[v], static_cast<int>(v), sink, sleep); });
  for (auto& t : threads) t.join();
  for (char each : ok)
    if (!each) return false;
  return true;
}

std::vector<std::string> split_voices(std::string_view args) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  do {
    std::string arg;
    pos = split_argument(args, pos, arg);
    if (out.size() == static_cast<std::size_t>(kVoices)) raise_error(1, "music: more than eight voices");
    out.push_back(std::move(arg));
  } while (pos < args.size());
  return out;
}

bool is_alloc_form(std::string_view args) {
  const std::string text = strip_blanks(args);
  constexpr std::string_view kAlloc = "alloc";
  if (text.size() < kAlloc.size()) return false;
  for (std::size_t i = 0; i < kAlloc.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != kAlloc[i]) return false;
  return true;
}

}  // namespace tess
