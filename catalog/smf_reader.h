#pragma once
// What the karaoke reader needs of a Standard MIDI File: its division, the
// text events of every track with their absolute ticks, where each note
// starts and where the last one ends. Reads bytes in memory by the damage
// rule every MIDI reader of the program shares (midi/smf_file.h).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lyrova {

struct SmfText {
  std::uint64_t tick = 0;  // absolute file ticks
  int track = 0;
  std::uint8_t type = 0;   // meta event type, 0x01 to 0x07
  std::string text;        // bytes as stored
};

struct SmfNote {
  std::uint64_t tick = 0;
  std::uint8_t channel = 0;
};

struct SmfContents {
  std::uint16_t division = 0;  // ticks per quarter note
  int tracks = 0;
  std::vector<SmfText> texts;       // in order of tick, then track, then file order
  std::vector<SmfNote> noteStarts;  // note-ons with a velocity, in order of tick
  std::uint64_t lastNoteOff = 0;    // latest note-off (or note-on with velocity 0)
};

struct SmfResult {
  bool ok = false;
  std::string reason;  // why the bytes are not a song, when not ok
  SmfContents contents;
};

// Not a song: no MThd, an SMPTE or zero division, no track at all.
SmfResult ReadSmf(std::span<const std::uint8_t> bytes);

}  // namespace lyrova
