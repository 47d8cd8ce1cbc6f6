#pragma once
// A small Standard MIDI File writer: tracks of timed events, written as
// format 0 or format 1 with a fixed division.

#include <cstdint>
#include <string_view>
#include <vector>

namespace lyrova::demo {

using ByteVector = std::vector<std::uint8_t>;

class MidiTrack {
 public:
  void Meta(std::uint32_t tick, std::uint8_t type, const ByteVector& data);
  void Name(std::uint32_t tick, std::string_view cp1251Name);
  void Tempo(std::uint32_t tick, int quartersPerMinute);
  void TimeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit);
  void KeySignature(std::uint32_t tick, int sharps, bool minor);
  void Program(std::uint32_t tick, int channel, int program);
  void Control(std::uint32_t tick, int channel, int controller, int value);
  void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
  // Adds every event of another track (format 0 merges parts this way).
  void Merge(const MidiTrack& other);

  // The track chunk ("MTrk", length, events, end of track at `endTick` or
  // after the last event, whichever is later).
  ByteVector Chunk(std::uint32_t endTick) const;
  std::uint32_t LastTick() const;

 private:
  // Events at one tick go out meta first, then set-up, then note-offs before
  // note-ons, so that a repeated key is released before it strikes again.
  enum Order : std::uint8_t { kMeta, kSetup, kNoteOff, kNoteOn };
  struct Event {
    std::uint32_t tick;
    Order order;
    ByteVector data;
  };
  void Add(std::uint32_t tick, Order order, ByteVector data);

  std::vector<Event> events_;
};

// The whole file: header chunk then the tracks. Format 0 takes exactly one track.
ByteVector WriteMidiFile(int format, int division, const std::vector<MidiTrack>& tracks,
                         std::uint32_t endTick);

void AppendVarLength(ByteVector& out, std::uint32_t value);

}  // namespace lyrova::demo
