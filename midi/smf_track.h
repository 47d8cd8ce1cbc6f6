#pragma once
// The events of one track chunk of a Standard MIDI File, walked by the one
// damage rule that the song library, the player's sequencer and the tools
// share: a track is read up to its end-of-track mark or to the first byte
// that makes no sense (running status with no status before it, a system
// message that has no place in a file, an event cut by the chunk's end), and
// everything before that counts.

#include <cstddef>
#include <cstdint>
#include <span>

#include "midi/smf_bytes.h"

namespace lyrova {

struct SmfEvent {
  std::uint64_t tick = 0;   // from the track's start, in the file's ticks
  std::uint8_t status = 0;  // a channel message's status, 0xF0 or 0xF7 (system exclusive), 0xFF (meta)
  std::uint8_t metaType = 0;
  std::uint8_t data1 = 0;   // channel messages, 7 bits each
  std::uint8_t data2 = 0;
  std::span<const std::uint8_t> body;  // a meta event's or system exclusive's data as stored
};

// Calls onEvent(const SmfEvent&) for every event up to and including the
// end-of-track mark (meta type 0x2F), which gives the track's length.
// Returns the bytes the track used: up to and including the mark, or the
// whole chunk when it has none or a fault stopped the walk.
template <class OnEvent>
std::size_t WalkSmfTrack(std::span<const std::uint8_t> track, OnEvent&& onEvent) {
  std::size_t pos = 0;
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  SmfEvent event;
  while (pos < track.size()) {
    std::uint32_t delta = 0;
    if (!ReadSmfVarLength(track, pos, delta) || pos >= track.size()) break;
    tick += delta;
    event = SmfEvent{};
    event.tick = tick;
    std::uint8_t status = track[pos];
    if (status == 0xFF || status == 0xF0 || status == 0xF7) {
      ++pos;
      if (status == 0xFF) {
        if (pos >= track.size()) break;
        event.metaType = track[pos++];
      }
      std::uint32_t length = 0;
      if (!ReadSmfVarLength(track, pos, length) || length > track.size() - pos) break;
      event.status = status;
      event.body = track.subspan(pos, length);
      pos += length;
      onEvent(event);
      if (status == 0xFF && event.metaType == 0x2F) return pos;
      // Running status does not carry across a system exclusive.
      if (status != 0xFF) running = 0;
      continue;
    }
    if (status & 0x80) {
      if (status >= 0xF0) break;  // system common and real-time bytes have no place in a file
      running = status;
      ++pos;
    } else if (running == 0) {
      break;
    }
    const int count = SmfDataBytes(running);
    if (pos + static_cast<std::size_t>(count) > track.size()) break;
    event.status = running;
    event.data1 = track[pos] & 0x7F;
    event.data2 = count == 2 ? track[pos + 1] & 0x7F : 0;
    pos += static_cast<std::size_t>(count);
    onEvent(event);
  }
  return track.size();
}

}  // namespace lyrova
