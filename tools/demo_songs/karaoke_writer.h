#pragma once
// Karaoke files of rendered songs: the song's MIDI file with a track of
// words added, as Soft Karaoke text events (@K, @T headers, "\" and "/"
// markers) or as lyric events whose line ends are CR LF.

#include <cstdint>
#include <vector>

#include "tools/demo_disc/rendered_song.h"

namespace lyrova::demo {

enum class WordEvents { SoftKaraoke, Lyrics };

ByteVector WriteKaraokeFile(const RenderedSong& song, WordEvents kind);

}  // namespace lyrova::demo
