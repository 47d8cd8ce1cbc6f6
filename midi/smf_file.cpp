#include "midi/smf_file.h"

#include <algorithm>
#include <cstring>

namespace lyrova {
namespace {

constexpr std::size_t kChunkHeader = 8;

std::uint32_t Be32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

bool IsChunk(std::span<const std::uint8_t> bytes, std::size_t pos, const char* id) {
  return bytes.size() >= kChunkHeader && pos <= bytes.size() - 4 && std::memcmp(bytes.data() + pos, id, 4) == 0;
}

}  // namespace

std::optional<SmfHeader> ReadSmfHeader(std::span<const std::uint8_t> bytes, std::string& reason) {
  if (bytes.size() < 14 || !IsChunk(bytes, 0, "MThd")) {
    reason = "not a MIDI file (no MThd header)";
    return std::nullopt;
  }
  const std::uint32_t length = Be32(bytes.data() + 4);
  if (length < 6) {
    reason = "truncated MThd chunk";
    return std::nullopt;
  }
  SmfHeader h;
  h.format = static_cast<std::uint16_t>(bytes[8] << 8 | bytes[9]);
  h.tracks = static_cast<std::uint16_t>(bytes[10] << 8 | bytes[11]);
  h.division = static_cast<std::uint16_t>(bytes[12] << 8 | bytes[13]);
  if (h.division & 0x8000) {
    reason = "SMPTE time division";
    return std::nullopt;
  }
  if (h.division == 0) {
    reason = "zero time division";
    return std::nullopt;
  }
  h.firstChunk = kChunkHeader + std::min<std::size_t>(length, bytes.size() - kChunkHeader);
  return h;
}

int ForEachSmfTrack(std::span<const std::uint8_t> bytes, const SmfHeader& header,
                    const std::function<std::size_t(int, std::span<const std::uint8_t>)>& readTrack) {
  int tracks = 0;
  std::size_t pos = header.firstChunk;
  while (tracks < header.tracks && bytes.size() - pos >= kChunkHeader) {
    const std::size_t length = std::min<std::size_t>(Be32(bytes.data() + pos + 4), bytes.size() - pos - kChunkHeader);
    std::size_t next = pos + kChunkHeader + length;
    if (IsChunk(bytes, pos, "MTrk")) {
      const std::size_t used = readTrack(tracks++, bytes.subspan(pos + kChunkHeader, length));
      const std::size_t afterEnd = pos + kChunkHeader + used;
      if (afterEnd < next && IsChunk(bytes, afterEnd, "MTrk")) next = afterEnd;
    }
    pos = next;
  }
  return tracks;
}

}  // namespace lyrova
