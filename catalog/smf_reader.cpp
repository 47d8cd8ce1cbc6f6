#include "catalog/smf_reader.h"

#include <algorithm>
#include <optional>

#include "catalog/byte_order.h"
#include "catalog/smf_bytes.h"

namespace lyrova {
namespace {

class TrackCursor {
 public:
  explicit TrackCursor(std::span<const std::uint8_t> data) : data_(data) {}
  bool AtEnd() const { return pos_ >= data_.size(); }
  std::optional<std::uint8_t> Byte() {
    if (AtEnd()) return std::nullopt;
    return data_[pos_++];
  }
  std::optional<std::uint8_t> Peek() const {
    if (AtEnd()) return std::nullopt;
    return data_[pos_];
  }
  std::optional<std::uint32_t> VarLength() {
    std::uint32_t v = 0;
    if (!ReadSmfVarLength(data_, pos_, v)) return std::nullopt;
    return v;
  }
  std::optional<std::span<const std::uint8_t>> Take(std::uint32_t n) {
    if (n > data_.size() - pos_) return std::nullopt;
    const auto s = data_.subspan(pos_, n);
    pos_ += n;
    return s;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

void ReadTrack(std::span<const std::uint8_t> data, int track, SmfContents& out) {
  TrackCursor in(data);
  std::uint64_t tick = 0;
  std::uint8_t running = 0;
  while (!in.AtEnd()) {
    const auto delta = in.VarLength();
    const auto first = in.Peek();
    if (!delta || !first) return;
    tick += *delta;
    std::uint8_t status = *first;
    if (status >= 0x80) {
      in.Byte();
    } else if (running == 0) {
      return;  // a data byte with no status to run on
    } else {
      status = running;
    }
    if (status == 0xFF) {
      const auto type = in.Byte();
      const auto length = type ? in.VarLength() : std::nullopt;
      const auto body = length ? in.Take(*length) : std::nullopt;
      if (!body) return;
      if (*type == 0x2F) return;
      if (*type >= 0x01 && *type <= 0x07) {
        out.texts.push_back({tick, track, *type, std::string(body->begin(), body->end())});
      }
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      const auto length = in.VarLength();
      if (!length || !in.Take(*length)) return;
      running = 0;
      continue;
    }
    if (status > 0xF0) return;  // no other system message belongs in a file
    running = status;
    const auto bytes = in.Take(static_cast<std::uint32_t>(SmfDataBytes(status)));
    if (!bytes) return;
    const int kind = status >> 4;
    if (kind == 0x8 || (kind == 0x9 && (*bytes)[1] == 0)) out.lastNoteOff = std::max(out.lastNoteOff, tick);
  }
}

}  // namespace

SmfResult ReadSmf(std::span<const std::uint8_t> bytes) {
  SmfResult result;
  const auto fail = [&result](const char* reason) {
    result.reason = reason;
    return result;
  };
  if (bytes.size() < 14 || !std::equal(bytes.begin(), bytes.begin() + 4, "MThd")) {
    return fail("not a MIDI file (no MThd header)");
  }
  const std::uint32_t headerLength = ReadBe32(bytes.data() + 4);
  if (headerLength < 6 || headerLength > bytes.size() - 8) return fail("truncated MThd chunk");
  const std::uint16_t announced = ReadBe16(bytes.data() + 10);
  const std::uint16_t division = ReadBe16(bytes.data() + 12);
  if (division & 0x8000) return fail("SMPTE time division");
  if (division == 0) return fail("zero time division");
  if (announced == 0) return fail("no tracks");

  SmfContents& c = result.contents;
  c.division = division;
  std::size_t pos = 8 + std::size_t{headerLength};
  while (c.tracks < announced) {
    if (bytes.size() - pos < 8) return fail("truncated: the file ends before its last track");
    const std::uint32_t length = ReadBe32(bytes.data() + pos + 4);
    if (length > bytes.size() - pos - 8) return fail("truncated chunk");
    const auto body = bytes.subspan(pos + 8, length);
    if (std::equal(bytes.begin() + pos, bytes.begin() + pos + 4, "MTrk")) ReadTrack(body, c.tracks++, c);
    pos += 8 + std::size_t{length};
  }
  // Tracks were read one after another, so a stable sort by tick keeps
  // track order and then file order for events at one tick.
  std::stable_sort(c.texts.begin(), c.texts.end(),
                   [](const SmfText& a, const SmfText& b) { return a.tick < b.tick; });
  result.ok = true;
  return result;
}

}  // namespace lyrova
