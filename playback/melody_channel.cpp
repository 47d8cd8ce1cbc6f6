#include "playback/melody_channel.h"

#include <algorithm>
#include <array>
#include <limits>

namespace lyrova {
namespace {

constexpr int kChannels = 16;
constexpr int kDrumChannel = 9;
// A sung character starting within a sixteenth of a note start is on it.
constexpr std::int64_t kNear = kMusicTimePerQuarter / 4;

std::vector<std::int64_t> SungStarts(const TimingPairs& timing) {
  std::vector<std::int64_t> starts;
  // The first pair is the introduction, which nobody sings.
  for (std::size_t i = 1; i < timing.size(); ++i) starts.push_back(timing[i].start);
  std::sort(starts.begin(), starts.end());
  return starts;
}

std::int64_t Distance(const std::vector<std::int64_t>& sorted, std::int64_t t) {
  const auto next = std::lower_bound(sorted.begin(), sorted.end(), t);
  std::int64_t best = std::numeric_limits<std::int64_t>::max();
  if (next != sorted.end()) best = *next - t;
  if (next != sorted.begin()) best = std::min(best, t - *std::prev(next));
  return best;
}

// How many of `times` lie near one of `sorted`.
std::size_t Near(const std::vector<std::int64_t>& times, const std::vector<std::int64_t>& sorted) {
  std::size_t near = 0;
  for (std::int64_t t : times) near += Distance(sorted, t) <= kNear;
  return near;
}

}  // namespace

int FindMelodyChannel(const TSegment& segment, const TimingPairs& timing) {
  const std::vector<std::int64_t> sung = SungStarts(timing);
  if (sung.empty() || segment.division <= 0) return kNoMelodyChannel;

  std::array<std::vector<std::int64_t>, kChannels> notes;
  for (const TSequenceEvent& event : segment.sequence.Events()) {
    if ((event.status & 0xF0) != 0x90 || event.data2 == 0) continue;
    const int channel = event.status & 0x0F;
    if (channel != kDrumChannel) notes[channel].push_back(TicksToMusicTime(event.tick, segment.division));
  }

  // The tune's channel has a note where characters are sung (recall) and
  // few notes where nothing is sung (precision). Precision counts more:
  // the letters of one syllable share its note, so even the tune misses
  // many characters, while a busy accompaniment is near them all.
  int best = kNoMelodyChannel;
  double bestScore = 0;
  for (int channel = 0; channel < kChannels; ++channel) {
    std::vector<std::int64_t>& starts = notes[channel];
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());  // a chord is one start
    if (starts.empty()) continue;
    const double recall = static_cast<double>(Near(sung, starts)) / static_cast<double>(sung.size());
    const double precision = static_cast<double>(Near(starts, sung)) / static_cast<double>(starts.size());
    // The F-measure with precision weighted twice as much as recall.
    constexpr double kBeta2 = 0.25;
    const double score =
        recall + precision > 0 ? (1 + kBeta2) * recall * precision / (kBeta2 * precision + recall) : 0;
    if (score > bestScore) {
      best = channel;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace lyrova
