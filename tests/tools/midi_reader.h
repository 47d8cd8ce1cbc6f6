#pragma once
// A strict reader of Standard MIDI Files for the tests: every chunk length
// must match its events, every track must end with its end-of-track event,
// and every note must be released.

#include <cstdint>
#include <map>
#include <vector>

namespace lyrova::demo::testing {

struct SmfNote {
  int channel = 0;
  int key = 0;
  std::uint32_t start = 0;
  std::uint32_t length = 0;
};

struct Smf {
  int format = 0;
  int division = 0;
  int trackCount = 0;
  std::uint32_t tempo = 0;      // microseconds per quarter, 0 when none
  std::map<int, int> programs;  // channel to program
  std::vector<SmfNote> notes;   // in the order they end
  std::uint32_t lastTick = 0;
};

// Throws std::runtime_error saying what is wrong.
Smf ReadSmf(const std::vector<std::uint8_t>& bytes);

}  // namespace lyrova::demo::testing
