#include "catalog/midi_repair.h"

#include "catalog/byte_order.h"

namespace lyrova {
namespace {

// Header chunk (14 bytes), track chunk identifier (4), length field (4).
constexpr std::size_t kLengthField = 18;
constexpr std::size_t kTrackData = 22;

}  // namespace

void RepairFirstTrackLength(std::vector<std::uint8_t>& midi) {
  if (midi.size() < kTrackData) return;
  std::uint8_t* field = midi.data() + kLengthField;
  if (field[1] == 0xFF) field[1] = 0;
  if (field[0] == 0xFF) field[0] = 0;
  // Signed as the player reads it: a length with its top bit set stays as it is.
  const auto length = static_cast<std::int32_t>(ReadBe32(field));
  const auto available = static_cast<std::int64_t>(midi.size() - kTrackData);
  if (length <= available) return;
  const auto clamped = static_cast<std::uint32_t>(available);
  field[0] = static_cast<std::uint8_t>(clamped >> 24);
  field[1] = static_cast<std::uint8_t>(clamped >> 16);
  field[2] = static_cast<std::uint8_t>(clamped >> 8);
  field[3] = static_cast<std::uint8_t>(clamped);
}

}  // namespace lyrova
