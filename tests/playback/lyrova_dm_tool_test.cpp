#include "playback/lyrova_dm_tool.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <vector>

#include "playback/performance.h"
#include "playback/sound_font.h"
#include "tests/playback/smf_builder.h"

namespace lyrova {
namespace {

TEST(LyrovaDMTool, NoteOffUsesTheKeyItsNoteOnWentOutWith) {
  TLyrovaDMTool tool;
  tool.SetTranspose(3);
  EXPECT_EQ(tool.NoteOn(0, 60), 63);
  tool.SetTranspose(-2);
  EXPECT_EQ(tool.NoteOn(1, 60), 58);
  EXPECT_EQ(tool.NoteOff(0, 60), 63);
  EXPECT_EQ(tool.NoteOff(1, 60), 58);
  // Unmatched note-off: the current transposition.
  EXPECT_EQ(tool.NoteOff(0, 60), 58);
}

TEST(LyrovaDMTool, DrumChannelIsNeverMoved) {
  TLyrovaDMTool tool;
  for (int semitones : {-8, 8}) {
    tool.SetTranspose(semitones);
    EXPECT_EQ(tool.NoteOn(TLyrovaDMTool::kDrumChannel, 36), 36);
    EXPECT_EQ(tool.NoteOff(TLyrovaDMTool::kDrumChannel, 36), 36);
    EXPECT_EQ(tool.NoteOn(8, 36), 36 + semitones);
    EXPECT_EQ(tool.NoteOn(10, 36), 36 + semitones);
  }
}

TEST(LyrovaDMTool, NotesMovedOffTheKeyboardAreDroppedWithTheirNoteOff) {
  TLyrovaDMTool tool;
  tool.SetTranspose(8);
  EXPECT_EQ(tool.NoteOn(0, 125), TLyrovaDMTool::kDropped);
  tool.SetTranspose(0);
  EXPECT_EQ(tool.NoteOff(0, 125), TLyrovaDMTool::kDropped);
  tool.SetTranspose(-8);
  EXPECT_EQ(tool.NoteOn(0, 3), TLyrovaDMTool::kDropped);
  EXPECT_EQ(tool.NoteOn(0, 8), 0);
}

TEST(LyrovaDMTool, ARestruckKeyReportsTheStaleKeyStillSounding) {
  TLyrovaDMTool tool;
  tool.NoteOn(0, 60);
  tool.SetTranspose(2);
  EXPECT_EQ(tool.StaleKey(0, 60, 62), 60);
  EXPECT_EQ(tool.StaleKey(0, 60, 60), TLyrovaDMTool::kDropped);
  tool.Reset();
  EXPECT_EQ(tool.StaleKey(0, 60, 62), TLyrovaDMTool::kDropped);
}

// Renders through the real synthesizer and looks at the voices it holds.
class TransposeVoicesTest : public testing::Test {
 protected:
  struct Voice {
    int channel, key;
    bool on;
  };

  void RenderTo(double seconds) {
    const auto target = static_cast<std::int64_t>(seconds * TPerformance::kSampleRate);
    std::vector<float> left(256), right(256);
    while (performance_.RenderedFrames() < target) performance_.Render(left.data(), right.data(), 256);
  }

  std::vector<Voice> Voices() {
    fluid_voice_t* voices[256];
    fluid_synth_get_voicelist(performance_.Synth(), voices, 256, -1);
    std::vector<Voice> out;
    for (fluid_voice_t* v : voices) {
      if (!v) break;
      out.push_back({fluid_voice_get_channel(v), fluid_voice_get_key(v), fluid_voice_is_on(v) != 0});
    }
    return out;
  }

  bool Sounding(int channel, int key) {
    for (const Voice& v : Voices())
      if (v.channel == channel && v.key == key && v.on) return true;
    return false;
  }

  TPerformance performance_{FindDefaultSoundFont()};
};

TEST_F(TransposeVoicesTest, KeyChangeWhileANoteSoundsLeavesNoNoteHangingAndDrumsStay) {
  // 120 bpm, 480 ticks a quarter: a long organ note, then a note and a drum.
  test::TSmfBuilder smf(480);
  smf.Tempo(0, 500000).Program(0, 0, 19).Note(0, 0, 60, 960).Note(1440, 0, 62, 480).Note(1440, 9, 38, 240);
  ASSERT_TRUE(performance_.Play(MakeSegment(smf.Build())));
  RenderTo(0.2);
  EXPECT_TRUE(Sounding(0, 60));

  ASSERT_TRUE(performance_.SetTranspose(5));
  RenderTo(0.5);
  EXPECT_TRUE(Sounding(0, 60)) << "the sounding note keeps its key";
  RenderTo(1.2);  // past the note-off at 1.0 s
  EXPECT_FALSE(Sounding(0, 60)) << "the note-off reached the key the note was played with";
  EXPECT_FALSE(Sounding(0, 65));

  RenderTo(1.6);  // the second note and the drum started at 1.5 s
  EXPECT_TRUE(Sounding(0, 67));
  bool drumAtOwnKey = false;
  for (const Voice& v : Voices()) {
    if (v.channel == 9) {
      EXPECT_EQ(v.key, 38);
      drumAtOwnKey = true;
    }
  }
  EXPECT_TRUE(drumAtOwnKey);
}

TEST_F(TransposeVoicesTest, StopSilencesEveryVoiceEvenWithTheSustainPedalDown) {
  test::TSmfBuilder smf(480);
  smf.Controller(0, 0, 64, 127).Note(0, 0, 60, 240).Note(0, 1, 64, 4800);
  ASSERT_TRUE(performance_.Play(MakeSegment(smf.Build())));
  RenderTo(0.5);
  EXPECT_FALSE(Voices().empty());
  ASSERT_TRUE(performance_.Stop());
  RenderTo(0.8);
  EXPECT_TRUE(Voices().empty());
}

}  // namespace
}  // namespace lyrova
