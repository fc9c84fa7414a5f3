// The note language, voice playing against a recording MIDI sink, and the
// argument forms of the music and MCI statements.
#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "builtin_calls.h"
#include "interp/error.h"
#include "sound/mci_request.h"
#include "sound/music_performance.h"
#include "sound/note_language.h"

namespace {

using namespace tess;
using Kind = VoiceEvent::Kind;

std::vector<VoiceEvent> parse(std::string_view text) {
  VoiceRecord voice;
  return parse_voice(text, voice);
}

VoiceEvent note(int32_t n, int32_t ms) { return {Kind::Note, n, ms}; }

TEST(NoteLanguage, NotesOctavesAndAccidentals) {
  EXPECT_EQ(parse("CDEFGAB"), (std::vector<VoiceEvent>{note(60, 500), note(62, 500), note(64, 500), note(65, 500),
                                                        note(67, 500), note(69, 500), note(71, 500)}));
  EXPECT_EQ(parse("O5C+D-"), (std::vector<VoiceEvent>{note(73, 500), note(73, 500)}));
  EXPECT_EQ(parse("o3c e"), (std::vector<VoiceEvent>{note(48, 500), note(52, 500)}));  // lower case, blanks skipped
  EXPECT_EQ(parse("O0C"), (std::vector<VoiceEvent>{note(12, 500)}));
  // Notes beyond 127 are produced unchanged.
  EXPECT_EQ(parse("O9B"), (std::vector<VoiceEvent>{note(131, 500)}));
}

TEST(NoteLanguage, LengthsDotsTiesAndRests) {
  EXPECT_EQ(parse("C"), (std::vector<VoiceEvent>{note(60, 500)}));
  EXPECT_EQ(parse("C8."), (std::vector<VoiceEvent>{note(60, 375)}));  // 0.75 of a quarter
  EXPECT_EQ(parse("C."), (std::vector<VoiceEvent>{note(60, 750)}));
  EXPECT_EQ(parse("C4^4"), (std::vector<VoiceEvent>{note(60, 1000)}));
  EXPECT_EQ(parse("C2^8."), (std::vector<VoiceEvent>{note(60, 1375)}));
  EXPECT_EQ(parse("C1C16C3"), (std::vector<VoiceEvent>{note(60, 2000), note(60, 125), note(60, 666)}));
  EXPECT_EQ(parse("P2P"), (std::vector<VoiceEvent>{{Kind::Rest, 0, 1000}, {Kind::Rest, 0, 500}}));
  // A length of 0 would divide by zero: it counts as no length.
  EXPECT_EQ(parse("C0"), (std::vector<VoiceEvent>{note(60, 500)}));
  EXPECT_EQ(parse("C99999999999"), (std::vector<VoiceEvent>{note(60, 0)}));
}

TEST(NoteLanguage, TempoAndItsUnsettledForms) {
  EXPECT_EQ(parse("T120C"), (std::vector<VoiceEvent>{note(60, 500)}));
  EXPECT_EQ(parse("T60C"), (std::vector<VoiceEvent>{note(60, 1000)}));
  EXPECT_EQ(parse("T180C"), (std::vector<VoiceEvent>{note(60, 333)}));
  EXPECT_EQ(parse("T60T0C"), (std::vector<VoiceEvent>{note(60, 1000)}));  // T0 leaves the tempo
  EXPECT_EQ(parse("T60TC"), (std::vector<VoiceEvent>{note(60, 1000)}));   // so does T alone
}

TEST(NoteLanguage, VoiceStatePersistsAcrossStrings) {
  VoiceRecord voice;
  parse_voice("O6T60", voice);
  EXPECT_EQ(voice.octave, 6);
  EXPECT_EQ(voice.quarter_ms, 1000);
  EXPECT_EQ(parse_voice("C", voice), (std::vector<VoiceEvent>{note(84, 1000)}));
  // O takes the next character as its digit, whatever it is (and consumes it).
  parse_voice("OC", voice);
  EXPECT_EQ(voice.octave, 'C' - '0');
  parse_voice("O", voice);  // nothing after it: no read past the end
  EXPECT_EQ(voice.octave, -'0');
}

TEST(NoteLanguage, InstrumentsThroughTheTable) {
  EXPECT_EQ(parse("@1@80@@0@11@81"),
            (std::vector<VoiceEvent>{{Kind::Program, 63, 0}, {Kind::Program, 40, 0}, {Kind::Program, 6, 0},
                                     {Kind::Program, 6, 0}, {Kind::Program, 6, 0}, {Kind::Program, 6, 0}}));
  EXPECT_EQ(program_for_tone(-5), 6);
  EXPECT_EQ(program_for_tone(43), 107);
}

TEST(MidiMessages, PackedLowByteFirst) {
  EXPECT_EQ(note_on_message(2, 60), 0x603C92u);
  EXPECT_EQ(note_off_message(2, 60), 0x003C92u);
  EXPECT_EQ(program_change_message(7, 63), 0x003FC7u);
  EXPECT_EQ(note_on_message(0, 300), 0x602C90u);  // a wild note stays in its byte
}

// Records every message with the virtual time at which it was sent.
class RecordingSink : public MidiSink {
 public:
  explicit RecordingSink(int fail_after = -1) : fail_after_(fail_after) {}
  bool send(uint32_t message) override {
    std::lock_guard guard(mutex_);
    if (fail_after_ >= 0 && sent_ >= fail_after_) return false;
    ++sent_;
    const int channel = message & 0x0F;
    log[channel].push_back({message, clock[channel]});
    return true;
  }
  struct Entry {
    uint32_t message;
    int64_t at;
    bool operator==(const Entry&) const = default;
  };
  std::map<int, std::vector<Entry>> log;
  std::map<int, int64_t> clock;  // per channel; advanced by the sleep of that voice

 private:
  std::mutex mutex_;
  int fail_after_;
  int sent_ = 0;
};

TEST(VoicePlaying, MessagesAndTimesOfOneVoice) {
  RecordingSink sink;
  const auto events = parse("@1 T120 C8. P4 D4^4");
  auto sleep = [&](int32_t ms) {
    sink.clock[3] += ms;
    return true;
  };
  EXPECT_TRUE(play_voice(events, 3, sink, sleep));
  const std::vector<RecordingSink::Entry> expected = {
      {program_change_message(3, 63), 0}, {note_on_message(3, 60), 0},     {note_off_message(3, 60), 375},
      {note_on_message(3, 62), 875},      {note_off_message(3, 62), 1875},
  };
  EXPECT_EQ(sink.log[3], expected);
}

TEST(VoicePlaying, StopEndsTheNoteAndTheVoice) {
  RecordingSink sink;
  int sleeps = 0;
  auto sleep = [&](int32_t) { return ++sleeps < 2; };  // the second sleep is cut by a stop
  EXPECT_TRUE(play_voice(parse("CDEF"), 0, sink, sleep));
  ASSERT_EQ(sink.log[0].size(), 4u);
  EXPECT_EQ(sink.log[0][3].message, note_off_message(0, 62));
}

TEST(VoicePlaying, FailedMessageEndsTheVoice) {
  RecordingSink sink(1);
  EXPECT_FALSE(play_voice(parse("CD"), 0, sink, [](int32_t) { return true; }));
  EXPECT_EQ(sink.log[0].size(), 1u);
}

TEST(VoicePlaying, VoicesPlayTogetherEachOnItsChannel) {
  RecordingSink sink;
  std::vector<std::vector<VoiceEvent>> voices = {parse("CE"), parse("O3G"), parse("")};
  EXPECT_TRUE(perform_music(voices, sink, [](int32_t) { return true; }));
  EXPECT_EQ(sink.log[0].size(), 4u);
  ASSERT_EQ(sink.log[1].size(), 2u);
  EXPECT_EQ(sink.log[1][0].message, note_on_message(1, 55));
  EXPECT_EQ(sink.log.count(2), 0u);
  RecordingSink failing(2);
  EXPECT_FALSE(perform_music(voices, failing, [](int32_t) { return true; }));
}

TEST(MusicArguments, VoicesAndTheAllocForm) {
  EXPECT_EQ(split_voices(""), (std::vector<std::string>{""}));
  EXPECT_EQ(split_voices("a$,\"C,D\",b$"), (std::vector<std::string>{"a$", "\"C,D\"", "b$"}));
  EXPECT_EQ(split_voices("1,2,3,4,5,6,7,8").size(), 8u);
  EXPECT_THROW(split_voices("1,2,3,4,5,6,7,8,9"), ProgramError);
  EXPECT_TRUE(is_alloc_form(" ALLOC 3"));
  EXPECT_TRUE(is_alloc_form("alloc"));
  EXPECT_FALSE(is_alloc_form("\"alloc\""));
  EXPECT_FALSE(is_alloc_form("allo"));
}

using MciArguments = tess::testing::BuiltinCalls;

TEST_F(MciArguments, CommandAndNotifyVariable) {
  MciRequest r = mci_request(in_, "\"open new type waveaudio alias w notify\" , done");
  EXPECT_EQ(r.command, "open new type waveaudio alias w notify");
  EXPECT_EQ(r.on_notify, "done=1");
  r = mci_request(in_, "\"close w\"");
  EXPECT_EQ(r.command, "close w");
  EXPECT_FALSE(r.on_notify.has_value());
  // A parenthesis inside quotes is not counted, one outside is.
  r = mci_request(in_, "\"play (\",v(2)");
  EXPECT_EQ(r.command, "play (");
  EXPECT_EQ(r.on_notify, "v(2)=1");
  r = mci_request(in_, "\"a,b\"+\"c\"");
  EXPECT_EQ(r.command, "a,bc");
  EXPECT_EQ(mci_request(in_, "\"x\"," + std::string(253, 'v')).on_notify->size(), 255u);
  EXPECT_THROW(mci_request(in_, "\"x\"," + std::string(254, 'v')), ProgramError);
}

}  // namespace
