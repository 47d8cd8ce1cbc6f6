#pragma once
// What the karaoke reader needs of a Standard MIDI File: its division, the
// text events of every track with their absolute ticks, and where the last
// note ends. Reads bytes in memory and never trusts a length.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lyrova {

struct SmfText {
  std::uint64_t tick = 0;  // absolute file ticks
  int track = 0;
  std::uint8_t type = 0;   // meta event type, 0x01 to 0x07
  std::string text;        // bytes as stored
};

struct SmfContents {
  std::uint16_t division = 0;  // ticks per quarter note
  int tracks = 0;
  std::vector<SmfText> texts;       // in order of tick, then track, then file order
  std::uint64_t lastNoteOff = 0;    // latest note-off (or note-on with velocity 0)
};

struct SmfResult {
  bool ok = false;
  std::string reason;  // why the bytes are not a song, when not ok
  SmfContents contents;
};

// Not a song: no MThd, a truncated chunk, no track, an SMPTE or zero
// division. A track whose events go wrong (running status without a status
// byte, an event cut by the chunk's end) keeps the events before the fault.
SmfResult ReadSmf(std::span<const std::uint8_t> bytes);

}  // namespace lyrova
