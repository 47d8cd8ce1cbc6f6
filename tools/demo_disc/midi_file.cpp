#include "tools/demo_disc/midi_file.h"

#include <algorithm>

#include "catalog/errors.h"

namespace lyrova::demo {
namespace {

void AppendBe32(ByteVector& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void AppendBe16(ByteVector& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}

std::uint8_t Data7(int v) {
  if (v < 0 || v > 127) throw Error("MIDI data byte out of range");
  return static_cast<std::uint8_t>(v);
}

std::uint8_t Status(int kind, int channel) {
  if (channel < 0 || channel > 15) throw Error("MIDI channel out of range");
  return static_cast<std::uint8_t>(kind | channel);
}

}  // namespace

void AppendVarLength(ByteVector& out, std::uint32_t value) {
  if (value > 0x0FFFFFFF) throw Error("MIDI delta time too large");
  std::uint8_t groups[4];
  int n = 0;
  do {
    groups[n++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (n > 1) out.push_back(static_cast<std::uint8_t>(groups[--n] | 0x80));
  out.push_back(groups[0]);
}

void MidiTrack::Add(std::uint32_t tick, Order order, ByteVector data) {
  events_.push_back({tick, order, std::move(data)});
}

void MidiTrack::Meta(std::uint32_t tick, std::uint8_t type, const ByteVector& data) {
  ByteVector bytes{0xFF, type};
  AppendVarLength(bytes, static_cast<std::uint32_t>(data.size()));
  bytes.insert(bytes.end(), data.begin(), data.end());
  Add(tick, kMeta, std::move(bytes));
}

void MidiTrack::Name(std::uint32_t tick, std::string_view cp1251Name) {
  Meta(tick, 0x03, ByteVector(cp1251Name.begin(), cp1251Name.end()));
}

void MidiTrack::Tempo(std::uint32_t tick, int quartersPerMinute) {
  const std::uint32_t micros = 60'000'000u / static_cast<std::uint32_t>(quartersPerMinute);
  Meta(tick, 0x51,
       {static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
        static_cast<std::uint8_t>(micros)});
}

void MidiTrack::TimeSignature(std::uint32_t tick, int beatsPerBar, int beatUnit) {
  std::uint8_t power = 0;
  while ((1 << power) < beatUnit) ++power;
  Meta(tick, 0x58, {Data7(beatsPerBar), power, 24, 8});
}

void MidiTrack::KeySignature(std::uint32_t tick, int sharps, bool minor) {
  Meta(tick, 0x59,
       {static_cast<std::uint8_t>(static_cast<std::int8_t>(sharps)),
        static_cast<std::uint8_t>(minor ? 1 : 0)});
}

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
  Add(tick, kSetup, {Status(0xC0, channel), Data7(program)});
}

void MidiTrack::Control(std::uint32_t tick, int channel, int controller, int value) {
  Add(tick, kSetup, {Status(0xB0, channel), Data7(controller), Data7(value)});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
  if (length == 0 || velocity < 1) throw Error("MIDI note without length or velocity");
  Add(tick, kNoteOn, {Status(0x90, channel), Data7(key), Data7(velocity)});
  Add(tick + length, kNoteOff, {Status(0x80, channel), Data7(key), 64});
}

void MidiTrack::Merge(const MidiTrack& other) {
  events_.insert(events_.end(), other.events_.begin(), other.events_.end());
}

std::uint32_t MidiTrack::LastTick() const {
  std::uint32_t last = 0;
  for (const Event& e : events_) last = std::max(last, e.tick);
  return last;
}

ByteVector MidiTrack::Chunk(std::uint32_t endTick) const {
  std::vector<const Event*> order;
  order.reserve(events_.size());
  for (const Event& e : events_) order.push_back(&e);
  std::stable_sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
    return a->tick != b->tick ? a->tick < b->tick : a->order < b->order;
  });

  ByteVector body;
  std::uint32_t now = 0;
  for (const Event* e : order) {
    AppendVarLength(body, e->tick - now);
    body.insert(body.end(), e->data.begin(), e->data.end());
    now = e->tick;
  }
  AppendVarLength(body, std::max(endTick, now) - now);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});

  ByteVector chunk{'M', 'T', 'r', 'k'};
  AppendBe32(chunk, static_cast<std::uint32_t>(body.size()));
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

ByteVector WriteMidiFile(int format, int division, const std::vector<MidiTrack>& tracks,
                         std::uint32_t endTick) {
  if (format != 0 && format != 1) throw Error("MIDI format must be 0 or 1");
  if (format == 0 && tracks.size() != 1) throw Error("format 0 holds one track");
  ByteVector out{'M', 'T', 'h', 'd'};
  AppendBe32(out, 6);
  AppendBe16(out, static_cast<std::uint16_t>(format));
  AppendBe16(out, static_cast<std::uint16_t>(tracks.size()));
  AppendBe16(out, static_cast<std::uint16_t>(division));
  for (const MidiTrack& t : tracks) {
    const ByteVector chunk = t.Chunk(endTick);
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace lyrova::demo
