#include "catalog/song_source.h"

#include "catalog/cp1251.h"
#include "catalog/karaoke_file.h"
#include "catalog/points.h"
#include "catalog/songs_catalog.h"
#include "catalog/text_lines.h"

namespace lyrova {

TSongData ReadDiscSong(TSongsCatalog& catalog, int index) {
  TSongData song;
  catalog.LoadMidi(index, song.midi);
  song.lines = SplitLines(Cp1251ToUtf8(catalog.GetWodrs(index)));
  Bytes points;
  catalog.LoadPoints(index, points);
  song.timing = DecodeTiming(points);
  return song;
}

TSongData LibrarySongData(std::vector<std::uint8_t> midi, const KaraokeSong& song) {
  TSongData data;
  data.midi = std::move(midi);
  data.lines = SplitLines(song.words);
  data.timing = song.timing;
  return data;
}

std::optional<TSongData> TDiscSongSource::LoadSong(std::uint32_t code) {
  const int index = catalog_.SearchByOstrelCode(code, true);
  if (index < 0) return std::nullopt;
  return ReadDiscSong(catalog_, index);
}

}  // namespace lyrova
