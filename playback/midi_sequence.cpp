#include "playback/midi_sequence.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "catalog/byte_order.h"
#include "catalog/smf_bytes.h"

namespace lyrova {
namespace {

constexpr std::size_t kHeaderChunk = 14;
// Deltas add up in 64 bits and are kept below this, so that no song's ticks wrap.
constexpr std::uint64_t kMaxTick = std::numeric_limits<std::uint32_t>::max() / 2;

}  // namespace

TMidiSequence::TMidiSequence(std::span<const std::uint8_t> smf, int division) : division_(division > 0 ? division : 1) {
  std::vector<TTempoChange> tempos;
  std::size_t pos = kHeaderChunk;
  if (smf.size() >= 8 && std::memcmp(smf.data(), "MThd", 4) == 0) pos = 8 + std::size_t{ReadBe32(smf.data() + 4)};
  const std::uint32_t tracks = smf.size() >= 12 ? (smf[10] << 8 | smf[11]) : 0;
  for (std::uint32_t track = 0; track < tracks && pos + 8 <= smf.size(); ++track) {
    const std::uint8_t* chunk = smf.data() + pos;
    const std::size_t length = std::min<std::size_t>(ReadBe32(chunk + 4), smf.size() - pos - 8);
    if (std::memcmp(chunk, "MTrk", 4) != 0) {
      // Chunks of other kinds are skipped; they are not tracks.
      pos += 8 + length;
      --track;
      continue;
    }
    const std::span<const std::uint8_t> body = smf.subspan(pos + 8, length);
    ReadTrack(body, tempos);
    std::size_t next = pos + 8 + length;
    // A track whose length field reads too long ends at its end-of-track
    // mark; the next track follows right after it.
    const std::size_t afterEnd = pos + 8 + trackEnd_;
    if (afterEnd + 4 <= smf.size() && afterEnd < next && std::memcmp(smf.data() + afterEnd, "MTrk", 4) == 0)
      next = afterEnd;
    pos = next;
  }
  std::stable_sort(events_.begin(), events_.end(),
                   [](const TSequenceEvent& a, const TSequenceEvent& b) { return a.tick < b.tick; });
  TimeEvents(tempos);
}

void TMidiSequence::ReadTrack(std::span<const std::uint8_t> track, std::vector<TTempoChange>& tempos) {
  std::size_t pos = 0;
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  trackEnd_ = track.size();
  while (pos < track.size()) {
    std::uint32_t delta = 0;
    if (!ReadSmfVarLength(track, pos, delta) || pos >= track.size()) break;
    tick = std::min<std::uint64_t>(tick + delta, kMaxTick);
    const auto at = static_cast<std::uint32_t>(tick);
    endTick_ = std::max(endTick_, at);
    std::uint8_t status = track[pos];
    if (status == 0xFF) {
      std::uint32_t length = 0;
      ++pos;
      if (pos >= track.size()) break;
      const std::uint8_t type = track[pos++];
      if (!ReadSmfVarLength(track, pos, length) || length > track.size() - pos) break;
      if (type == 0x51 && length == 3) {
        const std::uint32_t micros = track[pos] << 16 | track[pos + 1] << 8 | track[pos + 2];
        // A tempo of zero would stop time; such an event is ignored.
        if (micros > 0) tempos.push_back({at, 0, static_cast<double>(micros)});
      }
      pos += length;
      if (type == 0x2F) {
        trackEnd_ = pos;
        break;
      }
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      std::uint32_t length = 0;
      ++pos;
      if (!ReadSmfVarLength(track, pos, length) || length > track.size() - pos) break;
      std::uint32_t used = length;
      if (used > 0 && track[pos + used - 1] == 0xF7) --used;
      if (status == 0xF0 && used > 0) {
        events_.push_back({0, at, 0xF0, 0, 0, static_cast<std::uint32_t>(sysex_.size()), used});
        sysex_.insert(sysex_.end(), track.begin() + static_cast<std::ptrdiff_t>(pos),
                      track.begin() + static_cast<std::ptrdiff_t>(pos + used));
      }
      pos += length;
      running = 0;
      continue;
    }
    if (status & 0x80) {
      // System common and real-time bytes have no place in a file.
      if (status >= 0xF0) break;
      running = status;
      ++pos;
    } else if (running == 0) {
      break;  // data without any status before it
    }
    status = running;
    const int count = SmfDataBytes(status);
    if (pos + count > track.size()) break;
    const std::uint8_t d1 = track[pos] & 0x7F;
    const std::uint8_t d2 = count == 2 ? track[pos + 1] & 0x7F : 0;
    pos += count;
    events_.push_back({0, at, status, d1, d2, 0, 0});
  }
}

void TMidiSequence::TimeEvents(std::vector<TTempoChange>& tempos) {
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const TTempoChange& a, const TTempoChange& b) { return a.tick < b.tick; });
  tempo_.clear();
  tempo_.push_back({0, 0, kDefaultMicrosPerQuarter / static_cast<double>(division_)});
  for (const TTempoChange& change : tempos) {
    const double microsPerTick = change.microsPerTick / division_;
    TTempoChange& last = tempo_.back();
    // Of several changes at one tick the last one holds.
    if (change.tick == last.tick) {
      last.microsPerTick = microsPerTick;
      continue;
    }
    const double micros = last.micros + (change.tick - last.tick) * last.microsPerTick;
    tempo_.push_back({change.tick, micros, microsPerTick});
  }
  std::size_t hint = 0;
  for (TSequenceEvent& event : events_) {
    while (hint + 1 < tempo_.size() && tempo_[hint + 1].tick <= event.tick) ++hint;
    event.micros = tempo_[hint].micros + (event.tick - tempo_[hint].tick) * tempo_[hint].microsPerTick;
  }
  endMicros_ = MicrosAt(endTick_);
}

double TMidiSequence::MicrosAt(double tick) const {
  auto it = std::upper_bound(tempo_.begin(), tempo_.end(), tick,
                             [](double t, const TTempoChange& change) { return t < change.tick; });
  const TTempoChange& change = it == tempo_.begin() ? tempo_.front() : *(it - 1);
  return change.micros + (tick - change.tick) * change.microsPerTick;
}

double TMidiSequence::TickAt(double micros) const {
  std::size_t hint = 0;
  return TickAt(micros, hint);
}

double TMidiSequence::TickAt(double micros, std::size_t& hint) const {
  if (tempo_.empty()) return 0;
  if (hint >= tempo_.size() || tempo_[hint].micros > micros) hint = 0;
  while (hint + 1 < tempo_.size() && tempo_[hint + 1].micros <= micros) ++hint;
  const TTempoChange& change = tempo_[hint];
  return change.tick + (micros - change.micros) / change.microsPerTick;
}

}  // namespace lyrova
