// MIDI files: the song library's reader and the player's sequencer take any
// bytes by the same rule, so they agree on every note start.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "catalog/smf_reader.h"
#include "playback/midi_sequence.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const lyrova::SmfResult library = lyrova::ReadSmf(bytes);
  const lyrova::TMidiSequence sequence(bytes);
  const auto starts = std::count_if(sequence.Events().begin(), sequence.Events().end(),
                                    [](const lyrova::TSequenceEvent& e) { return (e.status & 0xF0) == 0x90 && e.data2 > 0; });
  const std::size_t heard = library.ok ? library.contents.noteStarts.size() : 0;
  if (static_cast<std::size_t>(starts) != heard) std::abort();
  for (std::size_t i = 1; i < sequence.Events().size(); ++i) {
    if (sequence.Events()[i].micros < sequence.Events()[i - 1].micros) std::abort();
  }
  return 0;
}
