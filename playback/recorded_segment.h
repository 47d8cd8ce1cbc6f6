#pragma once
// A recorded song's sound opened for the performance: from its file, or
// from its member in a zip archive, read into memory.

#include <memory>

#include "catalog/song_kind.h"
#include "playback/midi_segment.h"

namespace lyrova {

// Starts decoding at the tempo and key given; `offline` makes the audio
// thread wait for the decoder, for renders that must not miss a frame.
// Throws lyrova::Error (English reason) when the sound cannot be played.
std::shared_ptr<const TSegment> MakeRecordedSegment(const TRecordedFiles& files, double tempo, int semitones,
                                                    bool offline);

}  // namespace lyrova
