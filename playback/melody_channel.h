#pragma once
// Which channel of a song plays the tune the singer sings: the one whose
// note starts fall closest to the starts of the song's sung characters.

#include <cstdint>
#include <vector>

#include "playback/midi_segment.h"

namespace lyrova {

inline constexpr int kNoMelodyChannel = -1;

// `pairs` are the song's timing pairs (start, duration; signed 32-bit little
// endian, music time), the first one for the introduction. The drum channel
// never counts. kNoMelodyChannel for a song without words or without notes.
int FindMelodyChannel(const TSegment& segment, const std::vector<std::uint8_t>& pairs);

}  // namespace lyrova
