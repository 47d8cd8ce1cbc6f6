#pragma once
// Turns a written song into the parts of its MIDI file: the lead playing the
// tune, chords, bass and drums after the song's groove.

#include <cstdint>
#include <vector>

#include "tools/demo_disc/midi_file.h"
#include "tools/demo_disc/music_notation.h"
#include "tools/demo_disc/song_score.h"

namespace lyrova::demo {

// Channels of the parts; drums on the General MIDI percussion channel.
inline constexpr int kLeadChannel = 0;
inline constexpr int kHarmonyChannel = 1;
inline constexpr int kBassChannel = 2;
inline constexpr int kDrumChannel = 9;

// The whole tune laid out in ticks.
struct Timeline {
  BarGrid grid;
  std::vector<MelodyNote> melody;
  std::vector<ChordSpan> chords;        // back to back from tick 0
  std::uint32_t length = 0;             // end of the last line
  std::vector<std::uint32_t> sections;  // where the verses start, the first one included
};

// Conductor track (title, tempo, metre, key), then lead, harmony, bass and
// drums. A drum fill leads into each verse and a cymbal marks its first
// downbeat. The last chord is held one bar more as the ending; `end`
// receives the tick where the music stops.
std::vector<MidiTrack> Arrange(const SongScore& score, const std::string& cp1251Title,
                               const Timeline& timeline, std::uint32_t& end);

}  // namespace lyrova::demo
