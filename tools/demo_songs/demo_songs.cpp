#include "tools/demo_songs/demo_songs.h"

#include "catalog/file_writer.h"
#include "tools/demo_disc/rendered_song.h"
#include "tools/demo_songs/english_songs.h"
#include "tools/demo_songs/karaoke_writer.h"

namespace lyrova::demo {
namespace {

struct DemoSongFile {
  const char* name;
  SongScore (*score)();
  WordEvents words;
};

// The lyric-event file takes its title and singer from its name.
constexpr DemoSongFile kFiles[] = {
    {"Amazing Grace.kar", AmazingGrace, WordEvents::SoftKaraoke},
    {"Auld Lang Syne.kar", AuldLangSyne, WordEvents::SoftKaraoke},
    {"Scarborough Fair.kar", ScarboroughFair, WordEvents::SoftKaraoke},
    {"Stephen Foster - Oh! Susanna.kar", OhSusanna, WordEvents::Lyrics},
};

}  // namespace

int WriteDemoSongs(const std::filesystem::path& folder) {
  std::vector<ByteVector> files;
  for (const DemoSongFile& f : kFiles) files.push_back(WriteKaraokeFile(RenderSong(f.score()), f.words));
  std::filesystem::create_directories(folder);
  for (std::size_t i = 0; i < files.size(); ++i) WriteWholeFile((folder / kFiles[i].name).string(), files[i]);
  return static_cast<int>(files.size());
}

}  // namespace lyrova::demo
