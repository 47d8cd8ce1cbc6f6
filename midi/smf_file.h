#pragma once
// A Standard MIDI File's header and its track chunks, by the one damage rule
// that the song library, the player's sequencer and the tools share: a
// chunk whose length runs past the end of the file holds what is there, a
// file that ends before its last announced track has the tracks it holds,
// a track whose length reads too long ends at its end-of-track mark when
// the next track begins right after it, and chunks of other kinds are
// skipped.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace lyrova {

struct SmfHeader {
  std::uint16_t format = 0;
  std::uint16_t tracks = 0;    // announced
  std::uint16_t division = 0;  // ticks per quarter note
  std::size_t firstChunk = 0;  // where the chunk after the header starts
};

// The header, or nullopt with `reason` (English) when the bytes are no file
// whose time can be read: no MThd chunk, a header shorter than 6 bytes, a
// frame-based (SMPTE) or zero division.
std::optional<SmfHeader> ReadSmfHeader(std::span<const std::uint8_t> bytes, std::string& reason);

// Hands each track chunk's body to readTrack(index, body), which returns
// how many bytes of it the track used (as WalkSmfTrack does). Returns the
// number of tracks read.
int ForEachSmfTrack(std::span<const std::uint8_t> bytes, const SmfHeader& header,
                    const std::function<std::size_t(int, std::span<const std::uint8_t>)>& readTrack);

}  // namespace lyrova
