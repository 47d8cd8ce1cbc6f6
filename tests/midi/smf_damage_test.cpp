// Damaged MIDI files as the song library's reader and the player's
// sequencer take them: both by the one rule of midi/, so both see the same
// tracks and the same notes.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalog/smf_reader.h"
#include "midi/smf_file.h"
#include "playback/midi_sequence.h"
#include "tests/catalog/smf_maker.h"

namespace lyrova {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::MakeSmf;
using testing::SmfTrack;

SmfTrack Notes(int count, std::uint8_t key) {
  SmfTrack t;
  for (int i = 0; i < count; ++i) t.Raw(i == 0 ? 0 : 48, {0x90, key, 100}).Raw(48, {0x80, key, 0});
  return t;
}

struct DamageCase {
  const char* what;
  Bytes file;
  int tracks;          // read
  std::size_t notes;   // note starts heard
  std::size_t texts;
};

std::vector<DamageCase> Cases() {
  const SmfTrack words = SmfTrack().Lyric(0, "Ka").Lyric(96, "lin").Lyric(96, "ka");
  const Bytes whole = MakeSmf(96, {words, Notes(4, 60), Notes(3, 64)});
  const std::size_t second = 14 + words.Chunk().size();
  const std::size_t third = second + Notes(4, 60).Chunk().size();

  Bytes cutInside(whole.begin(), whole.end() - 8);  // the last note-off and the end mark gone
  Bytes overlong = whole;
  overlong[second + 7] += 40;  // the second track's length runs over the third's header
  Bytes pastTheEnd = whole;
  pastTheEnd[third + 4] = 0x40;  // the last track claims a gigabyte
  Bytes unknownChunk(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(second));
  unknownChunk.insert(unknownChunk.end(), {'X', 'F', 'I', 'R', 0, 0, 0, 2, 1, 2});
  unknownChunk.insert(unknownChunk.end(), whole.begin() + static_cast<std::ptrdiff_t>(second), whole.end());
  Bytes fewerTracks(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(third));
  Bytes runningStatusAlone = MakeSmf(96, {words, SmfTrack().Raw(0, {0x90, 60, 100}).Raw(10, {62, 100})
                                                    .Raw(10, {0xF0, 1, 0xF7}).Raw(10, {64, 100})});
  return {
      {"whole", whole, 3, 7, 3},
      {"the last track cut inside", cutInside, 3, 7, 3},
      {"a length that runs over the next track", overlong, 3, 7, 3},
      {"a length past the end of the file", pastTheEnd, 3, 7, 3},
      {"a chunk of another kind", unknownChunk, 3, 7, 3},
      {"fewer tracks than announced", fewerTracks, 2, 4, 3},
      {"running status after a system exclusive", runningStatusAlone, 2, 2, 3},
  };
}

TEST(SmfDamage, TheLibraryAndTheSequencerReadTheSameTracks) {
  for (const DamageCase& c : Cases()) {
    const SmfResult library = ReadSmf(c.file);
    ASSERT_TRUE(library.ok) << c.what << ": " << library.reason;
    EXPECT_EQ(library.contents.tracks, c.tracks) << c.what;
    EXPECT_EQ(library.contents.noteStarts.size(), c.notes) << c.what;
    EXPECT_EQ(library.contents.texts.size(), c.texts) << c.what;

    const TMidiSequence sequence(c.file);
    const auto starts = std::count_if(sequence.Events().begin(), sequence.Events().end(), [](const TSequenceEvent& e) {
      return (e.status & 0xF0) == 0x90 && e.data2 > 0;
    });
    EXPECT_EQ(static_cast<std::size_t>(starts), c.notes) << c.what;
  }
}

TEST(SmfDamage, HeadersWithoutTimeAreRefused) {
  const Bytes good = MakeSmf(96, {Notes(1, 60)});
  Bytes shortHeader = good;
  shortHeader[7] = 5;
  Bytes smpte = good;
  smpte[12] = 0xE7;
  Bytes zero = good;
  zero[12] = zero[13] = 0;
  for (const Bytes& file : {Bytes(good.begin(), good.begin() + 13), Bytes{'R', 'I', 'F', 'F'}, shortHeader, smpte, zero}) {
    std::string reason;
    EXPECT_FALSE(ReadSmfHeader(file, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(TMidiSequence(file).Events().empty());
  }
}

}  // namespace
}  // namespace lyrova
