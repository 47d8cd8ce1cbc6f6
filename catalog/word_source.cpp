#include "catalog/word_source.h"

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

namespace lyrova {
namespace {

constexpr std::uint8_t kTextEvent = 0x01;
constexpr std::uint8_t kLyricEvent = 0x05;
constexpr int kChannels = 16;
constexpr int kDrumChannel = 9;

struct Candidate {
  int track = 0;
  std::uint8_t type = 0;
  std::vector<std::uint64_t> ticks;  // distinct, rising
  std::size_t events = 0;
};

bool CarriesWords(const SmfText& t) {
  return t.type == kLyricEvent || (t.type == kTextEvent && (t.text.empty() || t.text[0] != '@'));
}

// How many of `ticks` lie within `near` of one of `starts` (both rising).
std::size_t OnStarts(const std::vector<std::uint64_t>& ticks, const std::vector<std::uint64_t>& starts,
                     std::uint64_t near) {
  std::size_t hits = 0;
  auto it = starts.begin();
  for (std::uint64_t t : ticks) {
    while (it != starts.end() && *it + near < t) ++it;
    hits += it != starts.end() && *it <= t + near;
  }
  return hits;
}

}  // namespace

std::vector<const SmfText*> ChooseWordEvents(const SmfContents& smf) {
  std::map<std::pair<int, std::uint8_t>, Candidate> candidates;
  for (const SmfText& t : smf.texts) {
    if (!CarriesWords(t)) continue;
    Candidate& c = candidates[{t.track, t.type}];
    c.track = t.track;
    c.type = t.type;
    if (c.ticks.empty() || c.ticks.back() != t.tick) c.ticks.push_back(t.tick);
    ++c.events;
  }
  if (candidates.empty()) return {};

  std::array<std::vector<std::uint64_t>, kChannels> starts;
  for (const SmfNote& n : smf.noteStarts) {
    std::vector<std::uint64_t>& s = starts[n.channel];
    if (n.channel != kDrumChannel && (s.empty() || s.back() != n.tick)) s.push_back(n.tick);
  }
  const std::uint64_t near = smf.division / 4;

  const bool softKaraoke = std::any_of(smf.texts.begin(), smf.texts.end(), [](const SmfText& t) {
    return t.type == kTextEvent && t.text.compare(0, 2, "@K") == 0;
  });
  const Candidate* best = nullptr;
  std::tuple<std::size_t, std::size_t, std::size_t, bool, int> bestKey{};
  for (const auto& [key, c] : candidates) {
    std::size_t sung = 0;
    for (const auto& s : starts) sung = std::max(sung, OnStarts(c.ticks, s, near));
    // Outside a Soft Karaoke file, text events are words only when they are
    // sung across the song: at two times at least, half of them on notes.
    if (c.type == kTextEvent && !softKaraoke && (c.ticks.size() < 2 || 2 * sung < c.ticks.size())) continue;
    const auto rank = std::make_tuple(sung, c.ticks.size(), c.events, c.type == kLyricEvent, -c.track);
    if (!best || rank > bestKey) {
      best = &c;
      bestKey = rank;
    }
  }
  std::vector<const SmfText*> events;
  if (!best) return events;
  for (const SmfText& t : smf.texts) {
    if (t.track == best->track && t.type == best->type && CarriesWords(t)) events.push_back(&t);
  }
  return events;
}

}  // namespace lyrova
