#pragma once
// Which channel of a song plays the tune the singer sings: the one whose
// note starts fall closest to the starts of the song's sung characters.

#include <cstdint>
#include <vector>

#include "catalog/timing_pair.h"

#include "playback/midi_segment.h"

namespace lyrova {

inline constexpr int kNoMelodyChannel = -1;

// `timing` is the song's, the first pair for the introduction. The drum
// channel never counts. kNoMelodyChannel for a song without words or
// without notes.
int FindMelodyChannel(const TSegment& segment, const TimingPairs& timing);

}  // namespace lyrova
