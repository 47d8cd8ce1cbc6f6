#pragma once
// The bytes of one song block of rmidi.img: the 12-byte big-endian block
// header, the header text, the MIDI block, the points block and the words.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/demo_disc/rendered_song.h"

namespace lyrova::demo {

inline constexpr std::size_t kBlockHeaderSize = 12;

// Title, words author, music author and singer, each ended by a carriage
// return. Encoded songs hold all four in the disc character set; the others
// hold plain CP1251, except the singer line, which the catalogue reads
// through the disc table for every song.
std::string HeaderText(const RenderedSong& song, bool encoded);

// The lines joined by CR LF, in the disc set when encoded.
std::string WordsText(const RenderedSong& song, bool encoded);

ByteVector SongBlock(const RenderedSong& song, bool encoded);

// A block the catalogue builder skips: its header text has no carriage
// return, so its title stays empty.
ByteVector DiscardedBlock();

// Assembles a block from its parts; throws lyrova::Error when a part is too
// long for its length field.
ByteVector AssembleBlock(const std::string& headerText, const ByteVector& midi,
                         const ByteVector& points, const std::string& words);

}  // namespace lyrova::demo
