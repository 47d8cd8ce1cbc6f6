#include "tools/demo_disc/demo_disc.h"

#include <algorithm>
#include <string>

#include "catalog/errors.h"
#include "tools/demo_disc/disc_charset.h"
#include "tools/demo_disc/disc_codes.h"
#include "tools/demo_disc/disc_image_writer.h"
#include "tools/demo_disc/rendered_song.h"
#include "tools/demo_disc/song_block.h"
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

std::vector<RenderedSong> RenderAll() {
  std::vector<RenderedSong> songs;
  for (const SongScore& score : DemoSongs()) songs.push_back(RenderSong(score));
  return songs;
}

// The normal disc: each demo song at its code; every other entry points at a
// small discarded block written after the last song, so the entries never go
// backwards.
DiscSummary WriteNormal(DiscImageWriter& writer, const std::vector<RenderedSong>& songs) {
  const std::vector<std::uint32_t>& placed = DemoSongCodes();
  if (placed.size() != songs.size()) throw Error("every demo song needs a code");
  DiscSummary summary;
  bool discardWritten = false;
  std::uint32_t discardSector = 0;
  for (std::uint32_t code : DiscCodes()) {
    std::size_t song = 0;
    while (song < placed.size() && placed[song] != code) ++song;
    if (song < placed.size()) {
      writer.AddEntry(
          writer.WriteBlock(writer.NextFreeSector(), SongBlock(songs[song], CodeIsEncoded(code))));
      discardWritten = false;
      ++summary.songs;
      continue;
    }
    if (!discardWritten) {
      discardSector = writer.WriteBlock(writer.NextFreeSector(), DiscardedBlock());
      discardWritten = true;
    }
    writer.AddEntry(discardSector);
  }
  summary.sectors = writer.NextFreeSector();
  writer.Finish(summary.sectors);
  return summary;
}

// Singers of the load-test disc's copies, so that searches find some and not others.
const char* const kFullDiscSingers[] = {
    "Мужской хор",    "Женский ансамбль", "Детский хор",       "Оркестр народных инструментов",
    "Дуэт баянистов", "Камерный хор",     "Ансамбль гусляров",
};

// The load-test disc: every code holds a song, the demo songs in turn with
// varied titles and singers, the blocks spread evenly over the song area of
// the real disc.
DiscSummary WriteFull(DiscImageWriter& writer, const std::vector<RenderedSong>& songs) {
  const std::vector<std::uint32_t> codes = DiscCodes();
  DiscSummary summary;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    RenderedSong song = songs[i % songs.size()];
    const std::size_t round = i / songs.size();
    if (round > 0) {
      song.title += Cp1251FromUtf8(" (вариант ") + std::to_string(round + 1) + ")";
      song.singer = Cp1251FromUtf8(kFullDiscSingers[round % std::size(kFullDiscSingers)]);
    }
    const std::uint64_t spread = std::uint64_t{kSongAreaSectors} * i / codes.size();
    const std::uint32_t sector =
        std::max(writer.NextFreeSector(), static_cast<std::uint32_t>(spread));
    writer.AddEntry(writer.WriteBlock(sector, SongBlock(song, CodeIsEncoded(codes[i]))));
    ++summary.songs;
  }
  if (writer.NextFreeSector() > kSongAreaSectors)
    throw Error("the load-test songs overrun the song area");
  summary.sectors = kSongAreaSectors;
  writer.Finish(kSongAreaSectors);
  return summary;
}

}  // namespace

const std::vector<std::uint32_t>& DemoSongCodes() {
  static const std::vector<std::uint32_t> kCodes = {1, 2, 3001, 4001, 5001, 5501, 6501, 7001};
  return kCodes;
}

DiscSummary WriteDemoDisc(const std::filesystem::path& folder, bool full) {
  // Songs first: a song that does not hold together leaves no files behind.
  const std::vector<RenderedSong> songs = RenderAll();
  DiscImageWriter writer(folder);
  return full ? WriteFull(writer, songs) : WriteNormal(writer, songs);
}

}  // namespace lyrova::demo
