#include "tests/catalog/smf_maker.h"

namespace lyrova::testing {
namespace {

void PutVarLength(std::vector<std::uint8_t>& out, std::uint32_t v) {
  std::uint8_t bytes[5];
  int n = 0;
  do {
    bytes[n++] = v & 0x7F;
    v >>= 7;
  } while (v != 0);
  while (n-- > 0) out.push_back(static_cast<std::uint8_t>(bytes[n] | (n > 0 ? 0x80 : 0)));
}

void PutBe(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

SmfTrack& SmfTrack::Raw(std::uint32_t delta, std::vector<std::uint8_t> bytes) {
  PutVarLength(events_, delta);
  events_.insert(events_.end(), bytes.begin(), bytes.end());
  return *this;
}

SmfTrack& SmfTrack::Meta(std::uint32_t delta, std::uint8_t type, const std::string& text) {
  std::vector<std::uint8_t> bytes = {0xFF, type};
  PutVarLength(bytes, static_cast<std::uint32_t>(text.size()));
  bytes.insert(bytes.end(), text.begin(), text.end());
  return Raw(delta, bytes);
}

std::vector<std::uint8_t> SmfTrack::Chunk(bool endOfTrack) const {
  std::vector<std::uint8_t> body = events_;
  if (endOfTrack) body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
  std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
  PutBe(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<std::uint8_t> MakeSmf(std::uint16_t division, const std::vector<SmfTrack>& tracks,
                                  std::uint16_t format) {
  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6};
  PutBe(file, format, 2);
  PutBe(file, static_cast<std::uint32_t>(tracks.size()), 2);
  PutBe(file, division, 2);
  for (const SmfTrack& t : tracks) {
    const std::vector<std::uint8_t> chunk = t.Chunk();
    file.insert(file.end(), chunk.begin(), chunk.end());
  }
  return file;
}

}  // namespace lyrova::testing
