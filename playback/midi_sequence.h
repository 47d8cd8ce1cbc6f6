#pragma once
// A Standard MIDI File read once, when a song is made ready, into what the
// audio thread needs: every event of every track in playing order with its
// exact time on the file's own tempo map, and the song's end. Reading never
// fails on damaged data: the tracks are read by the damage rule that every
// MIDI reader of the program shares (midi/smf_file.h, midi/smf_track.h), and
// what was read plays.

#include <cstdint>
#include <span>
#include <vector>

namespace lyrova {

struct TSequenceEvent {
  double micros = 0;           // from the song's start, on the file's tempo map
  std::uint32_t tick = 0;
  std::uint8_t status = 0;     // a channel message's status byte, or 0xF0 for a system exclusive
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;
  std::uint32_t sysexOffset = 0;  // into TMidiSequence::sysex, without F0 and the closing F7
  std::uint32_t sysexLength = 0;
};

struct TTempoChange {
  std::uint32_t tick = 0;
  double micros = 0;  // where it takes effect
  double microsPerTick = 0;
};

class TMidiSequence {
 public:
  static constexpr std::uint32_t kDefaultMicrosPerQuarter = 500000;  // 120 bpm

  TMidiSequence() = default;
  // A file whose header gives no time (no MThd, a frame-based or zero
  // division) has no events.
  explicit TMidiSequence(std::span<const std::uint8_t> smf);

  const std::vector<TSequenceEvent>& Events() const { return events_; }
  const std::vector<std::uint8_t>& Sysex() const { return sysex_; }
  // The time of the latest event of any track, its end-of-track mark included.
  double EndMicros() const { return endMicros_; }

  // The time of a tick, and the (fractional) tick at a time, on the tempo map.
  double MicrosAt(double tick) const;
  double TickAt(double micros) const;
  // The same, starting the search at tempo change `hint` and returning where
  // the answer was found, so that a player moving forward pays nothing for
  // a long tempo map.
  double TickAt(double micros, std::size_t& hint) const;

 private:
  // Reads one track's events; returns the bytes it used, as WalkSmfTrack does.
  std::size_t ReadTrack(std::span<const std::uint8_t> track, std::vector<TTempoChange>& tempos);
  void TimeEvents(std::vector<TTempoChange>& tempos);

  int division_ = 1;
  std::vector<TSequenceEvent> events_;
  std::vector<TTempoChange> tempo_;
  std::vector<std::uint8_t> sysex_;
  std::uint32_t endTick_ = 0;
  double endMicros_ = 0;
};

}  // namespace lyrova
