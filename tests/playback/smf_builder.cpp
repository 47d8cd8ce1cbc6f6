#include "tests/playback/smf_builder.h"

#include <algorithm>

namespace lyrova::test {
namespace {

void PutVarLen(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t bytes[5];
  int n = 0;
  bytes[n++] = value & 0x7F;
  while ((value >>= 7) != 0) bytes[n++] = static_cast<std::uint8_t>(0x80 | (value & 0x7F));
  while (n > 0) out.push_back(bytes[--n]);
}

void PutBe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

TSmfBuilder& TSmfBuilder::Track() {
  tracks_.emplace_back();
  return *this;
}

void TSmfBuilder::Add(int tick, int order, std::vector<std::uint8_t> bytes) {
  tracks_.back().events.push_back({tick, order, std::move(bytes)});
}

TSmfBuilder& TSmfBuilder::Tempo(int tick, int micros) {
  Add(tick, 1,
      {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
       static_cast<std::uint8_t>(micros)});
  return *this;
}

TSmfBuilder& TSmfBuilder::Program(int tick, int channel, int program) {
  Add(tick, 1, {static_cast<std::uint8_t>(0xC0 | channel), static_cast<std::uint8_t>(program)});
  return *this;
}

TSmfBuilder& TSmfBuilder::Controller(int tick, int channel, int controller, int value) {
  Add(tick, 1,
      {static_cast<std::uint8_t>(0xB0 | channel), static_cast<std::uint8_t>(controller),
       static_cast<std::uint8_t>(value)});
  return *this;
}

TSmfBuilder& TSmfBuilder::Note(int tick, int channel, int key, int length, int velocity) {
  Add(tick, 2,
      {static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(key),
       static_cast<std::uint8_t>(velocity)});
  Add(tick + length, 0,
      {static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(key), 0x40});
  return *this;
}

TSmfBuilder& TSmfBuilder::End(int tick) {
  tracks_.back().end = tick;
  return *this;
}

std::vector<std::uint8_t> TSmfBuilder::Build() const {
  std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
  PutBe(out, 1, 2);
  PutBe(out, static_cast<std::uint32_t>(tracks_.size()), 2);
  PutBe(out, static_cast<std::uint32_t>(division_), 2);
  for (const TrackData& track : tracks_) {
    std::vector<Event> events = track.events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::vector<std::uint8_t> data;
    int last = 0;
    for (const Event& e : events) {
      PutVarLen(data, static_cast<std::uint32_t>(e.tick - last));
      data.insert(data.end(), e.bytes.begin(), e.bytes.end());
      last = e.tick;
    }
    PutVarLen(data, static_cast<std::uint32_t>(std::max(track.end, last) - last));
    data.insert(data.end(), {0xFF, 0x2F, 0x00});
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    PutBe(out, static_cast<std::uint32_t>(data.size()), 4);
    out.insert(out.end(), data.begin(), data.end());
  }
  return out;
}

}  // namespace lyrova::test
