#pragma once
// Some MIDI blocks on the disc carry a damaged length in their first track
// chunk header (bytes 18 to 21); this mends it before the block is played.

#include <cstdint>
#include <vector>

namespace lyrova {

// Reads 0xFF in the top two bytes of the length as 0 and clamps a length
// longer than the bytes after the track header to what is there. The field
// is always written back big-endian. A block too short to hold the field is
// left as it is.
void RepairFirstTrackLength(std::vector<std::uint8_t>& midi);

}  // namespace lyrova
