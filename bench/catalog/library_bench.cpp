// The song library beside a disc with all 2,345 codes: scanning 10,000
// karaoke files without and with the index, a words search over both, the
// disc's own catalogue built or taken from the cache, and a start-up to a
// filled song list with and without the library; a remote's paged search.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "session/karaoke_session.h"
#include "session/song_collection.h"
#include "app/window/song_view.h"
#include "catalog/disc_catalog.h"
#include "catalog/library_search.h"
#include "catalog/song_library.h"
#include "catalog/songs_catalog.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLibraryFiles = 10'000;
constexpr std::uint8_t kNoRecords[4] = {};

struct World {
  fs::path root;
  std::string disc;
  std::string library;
  std::string index;
  std::string cache;
};
World* world = nullptr;

void BM_ScanLibraryWithoutIndex(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(lyrova::ScanLibrary(world->library, "").songs.size());
}
BENCHMARK(BM_ScanLibraryWithoutIndex)->Unit(benchmark::kMillisecond);

void BM_ScanLibraryFromIndex(benchmark::State& state) {
  lyrova::ScanLibrary(world->library, world->index);
  for (auto _ : state) benchmark::DoNotOptimize(lyrova::ScanLibrary(world->library, world->index).songs.size());
}
BENCHMARK(BM_ScanLibraryFromIndex)->Unit(benchmark::kMillisecond);

void BM_WordsSearchDiscAndLibrary(benchmark::State& state) {
  lyrova::TSongsCatalog disc;
  lyrova::LoadDiscCatalog(disc, world->disc, {kNoRecords, {}}, world->cache);
  lyrova::SongLibrary library = lyrova::ScanLibrary(world->library, world->index);
  lyrova::SearchLibraryWords(library, "x");  // the first search keeps the folded words
  const std::string cyrillic = "\xEC\xEE\xF0\xEE\xE7";  // "мороз" in CP1251
  for (auto _ : state) {
    disc.SearchFullText(cyrillic);
    lyrova::SearchLibraryWords(library, "true love");
  }
}
BENCHMARK(BM_WordsSearchDiscAndLibrary)->Unit(benchmark::kMillisecond);

void BM_DiscOwnCatalogue(benchmark::State& state) {
  const std::string cache = state.range(0) ? world->cache : "";
  for (auto _ : state) {
    lyrova::TSongsCatalog disc;
    benchmark::DoNotOptimize(lyrova::LoadDiscCatalog(disc, world->disc, {kNoRecords, {}}, cache).source);
  }
}
BENCHMARK(BM_DiscOwnCatalogue)->ArgName("cached")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Start-up to a filled catalogue view with nothing changed since the last
// run: the disc's own catalogue from the cache, the library from its index,
// the rows of both and the view filled with them; without the library
// (arg 0) and with it (arg 1).
void BM_StartupToFilledList(benchmark::State& state) {
  lyrova::ScanLibrary(world->library, world->index);  // the index is written
  lyrova::TSongView view(false);
  lyrova::TSongTableModel rows;
  view.SetSongs(&rows);
  for (auto _ : state) {
    lyrova::TSongsCatalog disc;
    lyrova::LoadDiscCatalog(disc, world->disc, {kNoRecords, {}}, world->cache);
    lyrova::TSongCollection songs(disc);
    if (state.range(0)) songs.SetLibrary(lyrova::ScanLibrary(world->library, world->index));
    std::vector<lyrova::TSongEntry> entries = songs.Entries();
    view.FitColumns(entries);
    rows.SetEntries(std::move(entries));
    benchmark::DoNotOptimize(view.RowCount());
  }
}
BENCHMARK(BM_StartupToFilledList)->ArgName("library")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A remote's search: a page of 20 songs by title over both sources, for a
// query most songs match (arg 0: "e") and one none matches (arg 1), beside
// the same search that only marks the songs (the reference).
void BM_SessionSearchPage(benchmark::State& state, bool page) {
  lyrova::TKaraokeSession session({});
  lyrova::LoadDiscCatalog(session.SongsCatalog(), world->disc, {kNoRecords, {}}, world->cache);
  session.Songs().SetLibrary(lyrova::ScanLibrary(world->library, world->index));
  const std::string query = state.range(0) ? "zzz" : "e";
  for (auto _ : state) {
    if (page) {
      benchmark::DoNotOptimize(session.FindSongs(1, query, 0, 20).total);
    } else {
      benchmark::DoNotOptimize(session.Songs().Search(1, query));
    }
  }
}
BENCHMARK_CAPTURE(BM_SessionSearchPage, marking_only, false)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SessionSearchPage, page_of_20, true)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 10,000 files in 100 folders, copies of the demo songs under names of their own.
bool MakeLibrary(World& w) {
  const fs::path seeds = w.root / "seeds";
  const std::string command = std::string("'") + LYROVA_DEMO_SONGS_TOOL + "' '" + seeds.string() + "' >/dev/null";
  if (std::system(command.c_str()) != 0) return false;
  std::vector<fs::path> songs;
  for (const auto& e : fs::directory_iterator(seeds)) songs.push_back(e.path());
  if (songs.empty()) return false;
  for (int i = 0; i < kLibraryFiles; ++i) {
    const fs::path folder = fs::path(w.library) / ("folder " + std::to_string(i % 100));
    fs::create_directories(folder);
    const fs::path& seed = songs[static_cast<std::size_t>(i) % songs.size()];
    fs::copy_file(seed, folder / ("Singer " + std::to_string(i) + " - " + seed.filename().string()));
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  World w;
  w.root = fs::temp_directory_path() / ("lyrova-library-bench-" + std::to_string(::getpid()));
  w.disc = (w.root / "disc").string();
  w.library = (w.root / "library").string();
  w.index = (w.root / "cache" / "library.idx").string();
  w.cache = (w.root / "cache").string();
  fs::create_directories(w.disc);
  const std::string disc = std::string("'") + LYROVA_DEMO_DISC_TOOL + "' '" + w.disc + "' --full >/dev/null";
  int status = 1;
  if (std::system(disc.c_str()) == 0 && MakeLibrary(w)) {
    world = &w;
    benchmark::RunSpecifiedBenchmarks();
    status = 0;
  } else {
    std::cerr << "cannot make the disc and the library\n";
  }
  benchmark::Shutdown();
  fs::remove_all(w.root);
  return status;
}
