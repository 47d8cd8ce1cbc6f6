#pragma once
// Which text events of a karaoke file carry its sung words. Files written
// by others put them in lyric events (FF 05) or in text events (FF 01, as
// Soft Karaoke does), beside comments, titles and the words of other voices.
// The sung words are timed across the song and start where the melody's
// notes start. So each track's lyric events are a candidate, and so are its
// text events (Soft Karaoke's "@" headers left out) in a Soft Karaoke file
// or when they come at two times at least, half of them on note starts. The one chosen has
// the most distinct times on note starts of one channel (within a
// sixteenth, the drum channel left out): of several voices with words, the
// one that follows its tune best. On a tie: more distinct times, then more
// events, then lyric events before text events, then the earlier track.

#include <vector>

#include "catalog/smf_reader.h"

namespace lyrova {

// The chosen events, in the order of smf.texts; empty when no track has any.
std::vector<const SmfText*> ChooseWordEvents(const SmfContents& smf);

}  // namespace lyrova
