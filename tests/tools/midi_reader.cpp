#include "tests/tools/midi_reader.h"

#include <stdexcept>
#include <string>

namespace lyrova::demo::testing {
namespace {

class Cursor {
 public:
  Cursor(const std::vector<std::uint8_t>& b, std::size_t at, std::size_t end)
      : b_(b), at_(at), end_(end) {}
  bool AtEnd() const { return at_ >= end_; }
  std::size_t Position() const { return at_; }
  std::uint8_t Byte() {
    if (at_ >= end_) throw std::runtime_error("event runs past its chunk");
    return b_[at_++];
  }
  std::uint32_t Be(int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | Byte();
    return v;
  }
  std::uint32_t VarLength() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t b = Byte();
      v = v << 7 | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    throw std::runtime_error("variable-length number longer than four bytes");
  }
  void Skip(std::uint32_t n) {
    if (n > end_ - at_) throw std::runtime_error("event data runs past its chunk");
    at_ += n;
  }

 private:
  const std::vector<std::uint8_t>& b_;
  std::size_t at_;
  std::size_t end_;
};

void ReadTrack(Cursor& c, Smf& smf) {
  std::map<std::pair<int, int>, std::uint32_t> sounding;
  std::uint32_t tick = 0;
  std::uint8_t status = 0;
  bool ended = false;
  while (!c.AtEnd()) {
    if (ended) throw std::runtime_error("events after the end of track");
    tick += c.VarLength();
    smf.lastTick = std::max(smf.lastTick, tick);
    std::uint8_t first = c.Byte();
    if (first == 0xFF) {
      const std::uint8_t type = c.Byte();
      const std::uint32_t length = c.VarLength();
      if (type == 0x2F) {
        if (length != 0) throw std::runtime_error("end of track with data");
        ended = true;
      } else if (type == 0x51) {
        smf.tempo = c.Be(3);
      } else {
        c.Skip(length);
      }
      continue;
    }
    if (first == 0xF0 || first == 0xF7) {
      c.Skip(c.VarLength());
      continue;
    }
    std::uint8_t data1;
    if (first & 0x80) {
      status = first;
      data1 = c.Byte();
    } else {
      if (status == 0) throw std::runtime_error("running status without a status");
      data1 = first;
    }
    const int kind = status & 0xF0;
    const int channel = status & 0x0F;
    if (kind == 0xC0 || kind == 0xD0) {
      if (kind == 0xC0) smf.programs[channel] = data1;
      continue;
    }
    const std::uint8_t data2 = c.Byte();
    if (kind == 0x90 && data2 > 0) {
      if (!sounding.emplace(std::pair{channel, int{data1}}, tick).second)
        throw std::runtime_error("key struck again before its release");
    } else if (kind == 0x80 || kind == 0x90) {
      const auto it = sounding.find({channel, data1});
      if (it == sounding.end()) throw std::runtime_error("release of a key not struck");
      smf.notes.push_back({channel, data1, it->second, tick - it->second});
      sounding.erase(it);
    }
  }
  if (!ended) throw std::runtime_error("track without its end-of-track event");
  if (!sounding.empty()) throw std::runtime_error("notes left sounding at the end of a track");
}

}  // namespace

Smf ReadSmf(const std::vector<std::uint8_t>& bytes) {
  Cursor header(bytes, 0, bytes.size());
  if (header.Be(4) != 0x4D546864 || header.Be(4) != 6)
    throw std::runtime_error("no MThd header of 6 bytes");
  Smf smf;
  smf.format = static_cast<int>(header.Be(2));
  smf.trackCount = static_cast<int>(header.Be(2));
  smf.division = static_cast<int>(header.Be(2));
  std::size_t at = header.Position();
  for (int t = 0; t < smf.trackCount; ++t) {
    Cursor chunk(bytes, at, bytes.size());
    if (chunk.Be(4) != 0x4D54726B)
      throw std::runtime_error("track " + std::to_string(t) + " is no MTrk chunk");
    const std::uint32_t length = chunk.Be(4);
    if (length > bytes.size() - chunk.Position())
      throw std::runtime_error("track chunk longer than the file");
    Cursor events(bytes, chunk.Position(), chunk.Position() + length);
    ReadTrack(events, smf);
    at = chunk.Position() + length;
  }
  if (at != bytes.size()) throw std::runtime_error("bytes after the last track");
  return smf;
}

}  // namespace lyrova::demo::testing
