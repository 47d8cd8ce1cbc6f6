// The melody channel found from the timing pairs, on arrangements whose tune
// sits on a known channel among accompaniments that also play on the beats.

#include "playback/melody_channel.h"

#include <gtest/gtest.h>

#include "tests/playback/smf_builder.h"

namespace lyrova {
namespace {

constexpr int kDivision = 96;  // ticks a quarter; music time is 8 times that

// Timing pairs: the introduction, then one pair per sung character at these ticks.
TimingPairs PairsAt(const std::vector<int>& ticks) {
  TimingPairs pairs{{0, 768}};
  for (int tick : ticks) pairs.push_back({static_cast<std::int32_t>(TicksToMusicTime(tick, kDivision)), 96});
  return pairs;
}

struct Arrangement {
  const char* name;
  int melody;        // where the tune is, or kNoMelodyChannel
  bool withWords;
};

class MelodyChannelTest : public testing::TestWithParam<Arrangement> {};

TEST_P(MelodyChannelTest, TheTunesChannelIsFound) {
  const Arrangement& a = GetParam();
  // A syncopated tune: starts off the beat that no accompaniment shares.
  const std::vector<int> tune{0, 72, 144, 240, 264, 384, 456, 528, 624, 648, 768};
  test::TSmfBuilder smf(kDivision);
  smf.Tempo(0, 500000);
  for (std::size_t i = 0; i < tune.size(); ++i) {
    if (a.melody != kNoMelodyChannel) smf.Note(tune[i], a.melody, 60 + static_cast<int>(i % 5), 24);
    smf.Note(tune[i], 9, 42, 12);  // drums hit with every syllable: they never count
  }
  for (int beat = 0; beat <= 8; ++beat) {
    // Chords on every beat on channel 4 (or 0 when the tune is there), bass in halves.
    smf.Note(beat * kDivision, a.melody == 4 ? 0 : 4, 48, kDivision).Note(beat * kDivision, a.melody == 4 ? 0 : 4, 52, kDivision);
    if (beat % 2 == 0) smf.Note(beat * kDivision, 2, 36, 2 * kDivision);
  }
  // A fast arpeggio in eighths on channel 7: close to everything, on nothing off the beat.
  for (int eighth = 0; eighth <= 16; ++eighth) smf.Note(eighth * kDivision / 2, 7, 72, kDivision / 2);

  const std::shared_ptr<const TSegment> segment = MakeSegment(smf.Build());
  const TimingPairs pairs = a.withWords ? PairsAt(tune) : PairsAt({});
  EXPECT_EQ(FindMelodyChannel(*segment, pairs), a.withWords ? a.melody : kNoMelodyChannel) << a.name;
}

INSTANTIATE_TEST_SUITE_P(
    Arrangements, MelodyChannelTest,
    testing::Values(Arrangement{"lead on 0", 0, true}, Arrangement{"lead on 3", 3, true},
                    Arrangement{"lead on 4, chords on 0", 4, true}, Arrangement{"lead on 15", 15, true},
                    Arrangement{"no words", 3, false}),
    [](const testing::TestParamInfo<Arrangement>& info) {
      std::string name = info.param.name;
      for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      return name;
    });

TEST(MelodyChannel, OnlyDrumsUnderTheWordsIsNoMelody) {
  test::TSmfBuilder smf(kDivision);
  smf.Note(0, 9, 36, 24).Note(96, 9, 38, 24);
  EXPECT_EQ(FindMelodyChannel(*MakeSegment(smf.Build()), PairsAt({0, 96})), kNoMelodyChannel);
}

}  // namespace
}  // namespace lyrova
