#pragma once
// The two byte-level rules of a Standard MIDI File's tracks.

#include <cstddef>
#include <cstdint>
#include <span>

namespace lyrova {

// A variable-length quantity of at most four bytes at `pos`, which moves
// past it; false when the data ends first or a fifth byte would follow.
inline bool ReadSmfVarLength(std::span<const std::uint8_t> data, std::size_t& pos, std::uint32_t& value) {
  value = 0;
  for (int i = 0; i < 4; ++i) {
    if (pos >= data.size()) return false;
    const std::uint8_t byte = data[pos++];
    value = value << 7 | (byte & 0x7F);
    if ((byte & 0x80) == 0) return true;
  }
  return false;
}

// How many data bytes follow a channel message's status byte.
inline int SmfDataBytes(std::uint8_t status) {
  const int kind = status >> 4;
  return kind == 0xC || kind == 0xD ? 1 : 2;
}

}  // namespace lyrova
