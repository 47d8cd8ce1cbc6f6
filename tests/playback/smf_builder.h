#pragma once
// Writes small Standard MIDI Files in memory for the engine's tests.

#include <cstdint>
#include <vector>

namespace lyrova::test {

class TSmfBuilder {
 public:
  explicit TSmfBuilder(int division) : division_(division) { tracks_.emplace_back(); }

  // Starts the next track; events go to the newest track.
  TSmfBuilder& Track();
  TSmfBuilder& Tempo(int tick, int microsPerQuarter);
  TSmfBuilder& Program(int tick, int channel, int program);
  TSmfBuilder& Controller(int tick, int channel, int controller, int value);
  TSmfBuilder& Note(int tick, int channel, int key, int length, int velocity = 100);
  // The track's end-of-track event; by default at its last event.
  TSmfBuilder& End(int tick);

  std::vector<std::uint8_t> Build() const;

 private:
  struct Event {
    int tick;
    int order;  // note-offs before anything else at the same tick
    std::vector<std::uint8_t> bytes;
  };
  struct TrackData {
    std::vector<Event> events;
    int end = -1;
  };
  void Add(int tick, int order, std::vector<std::uint8_t> bytes);

  int division_;
  std::vector<TrackData> tracks_;
};

}  // namespace lyrova::test
