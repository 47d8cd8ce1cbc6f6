#include "playback/midi_sequence.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "midi/smf_file.h"
#include "midi/smf_track.h"

namespace lyrova {
namespace {

constexpr std::uint64_t kMaxTick = std::numeric_limits<std::uint32_t>::max() / 2;

}  // namespace

TMidiSequence::TMidiSequence(std::span<const std::uint8_t> smf) {
  std::string reason;
  const std::optional<SmfHeader> header = ReadSmfHeader(smf, reason);
  if (!header) return;
  division_ = header->division;
  std::vector<TTempoChange> tempos;
  ForEachSmfTrack(smf, *header, [&](int, std::span<const std::uint8_t> body) { return ReadTrack(body, tempos); });
  std::stable_sort(events_.begin(), events_.end(),
                   [](const TSequenceEvent& a, const TSequenceEvent& b) { return a.tick < b.tick; });
  TimeEvents(tempos);
}

std::size_t TMidiSequence::ReadTrack(std::span<const std::uint8_t> track, std::vector<TTempoChange>& tempos) {
  std::uint32_t lastTick = 0;
  const std::size_t used = WalkSmfTrack(track, [&](const SmfEvent& e) {
    // Deltas add up in 64 bits and are held below kMaxTick, so that no song's ticks wrap.
    const auto at = static_cast<std::uint32_t>(std::min<std::uint64_t>(e.tick, kMaxTick));
    lastTick = at;
    if (e.status == 0xFF) {
      if (e.metaType == 0x51 && e.body.size() == 3) {
        const std::uint32_t micros = e.body[0] << 16 | e.body[1] << 8 | e.body[2];
        // A tempo of zero would stop time; such an event is ignored.
        if (micros > 0) tempos.push_back({at, 0, static_cast<double>(micros)});
      }
      return;
    }
    if (e.status == 0xF0 || e.status == 0xF7) {
      std::size_t length = e.body.size();
      if (length > 0 && e.body[length - 1] == 0xF7) --length;
      if (e.status == 0xF0 && length > 0) {
        events_.push_back({0, at, 0xF0, 0, 0, static_cast<std::uint32_t>(sysex_.size()),
                           static_cast<std::uint32_t>(length)});
        sysex_.insert(sysex_.end(), e.body.begin(), e.body.begin() + static_cast<std::ptrdiff_t>(length));
      }
      return;
    }
    events_.push_back({0, at, e.status, e.data1, e.data2, 0, 0});
  });
  endTick_ = std::max(endTick_, lastTick);
  return used;
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
