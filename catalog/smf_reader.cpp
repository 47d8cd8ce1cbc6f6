#include "catalog/smf_reader.h"

#include <algorithm>

#include "midi/smf_file.h"
#include "midi/smf_track.h"

namespace lyrova {

SmfResult ReadSmf(std::span<const std::uint8_t> bytes) {
  SmfResult result;
  const std::optional<SmfHeader> header = ReadSmfHeader(bytes, result.reason);
  if (!header) return result;
  SmfContents& c = result.contents;
  c.division = header->division;
  c.tracks = ForEachSmfTrack(bytes, *header, [&c](int track, std::span<const std::uint8_t> body) {
    return WalkSmfTrack(body, [&](const SmfEvent& e) {
      if (e.status == 0xFF) {
        if (e.metaType >= 0x01 && e.metaType <= 0x07)
          c.texts.push_back({e.tick, track, e.metaType, std::string(e.body.begin(), e.body.end())});
        return;
      }
      const int kind = e.status >> 4;
      if (kind == 0x9 && e.data2 > 0) c.noteStarts.push_back({e.tick, static_cast<std::uint8_t>(e.status & 0x0F)});
      if (kind == 0x8 || (kind == 0x9 && e.data2 == 0)) c.lastNoteOff = std::max(c.lastNoteOff, e.tick);
    });
  });
  if (c.tracks == 0) {
    result.reason = "no tracks";
    return result;
  }
  // Tracks were read one after another, so a stable sort by tick keeps
  // track order and then file order for events at one tick.
  std::stable_sort(c.texts.begin(), c.texts.end(),
                   [](const SmfText& a, const SmfText& b) { return a.tick < b.tick; });
  std::stable_sort(c.noteStarts.begin(), c.noteStarts.end(),
                   [](const SmfNote& a, const SmfNote& b) { return a.tick < b.tick; });
  result.ok = true;
  return result;
}

}  // namespace lyrova
