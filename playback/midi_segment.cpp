#include "playback/midi_segment.h"

#include <cstring>
#include <utility>

#include "catalog/errors.h"
#include "catalog/midi_repair.h"

namespace lyrova {
namespace {

constexpr std::size_t kHeaderSize = 14;

}  // namespace

std::shared_ptr<const TSegment> MakeSegment(std::vector<std::uint8_t> midi) {
  if (midi.size() < kHeaderSize || std::memcmp(midi.data(), "MThd", 4) != 0)
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "The MIDI data of this song are damaged: there is no file header.")));
  const int division = midi[12] << 8 | midi[13];
  if (division == 0 || (division & 0x8000) != 0)
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "The MIDI data of this song are damaged: the time division is wrong.")));
  RepairFirstTrackLength(midi);
  auto segment = std::make_shared<TSegment>();
  segment->midi = std::move(midi);
  segment->division = division;
  segment->sequence = TMidiSequence(segment->midi);
  return segment;
}

}  // namespace lyrova
