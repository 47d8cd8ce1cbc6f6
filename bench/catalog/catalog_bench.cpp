// Loading the catalogue and each search on a disc with all 2,345 codes.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "catalog/cp1251.h"
#include "catalog/songs_catalog.h"

namespace {

using lyrova::TSongsCatalog;

struct FullDisc {
  std::string folder;
  lyrova::CatalogDumps dumps;
  lyrova::CatalogResources Resources() const {
    return {dumps.bin, {reinterpret_cast<const std::uint8_t*>(dumps.txt.data()), dumps.txt.size()}};
  }
};

FullDisc* disc = nullptr;

std::unique_ptr<TSongsCatalog> LoadedCatalog() {
  auto catalog = std::make_unique<TSongsCatalog>();
  if (!catalog->LoadCatalog(disc->folder, disc->Resources())) std::abort();
  return catalog;
}

void BM_LoadCatalog(benchmark::State& state) {
  for (auto _ : state) {
    TSongsCatalog catalog;
    benchmark::DoNotOptimize(catalog.LoadCatalog(disc->folder, disc->Resources()));
  }
}
BENCHMARK(BM_LoadCatalog)->Unit(benchmark::kMillisecond);

void BM_ReadCatalog(benchmark::State& state) {
  for (auto _ : state) {
    TSongsCatalog catalog;
    benchmark::DoNotOptimize(catalog.ReadCatalog(disc->folder));
  }
}
BENCHMARK(BM_ReadCatalog)->Unit(benchmark::kMillisecond);

template <void (TSongsCatalog::*Search)(const std::string&)>
void BM_TextSearch(benchmark::State& state) {
  const auto catalog = LoadedCatalog();
  const std::string query = lyrova::Utf8ToCp1251("ой");
  for (auto _ : state) (catalog.get()->*Search)(query);
}
BENCHMARK(BM_TextSearch<&TSongsCatalog::SearchInName>)->Name("BM_SearchInName")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextSearch<&TSongsCatalog::SearchInSinger>)->Name("BM_SearchInSinger")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextSearch<&TSongsCatalog::SearchInMusic>)->Name("BM_SearchInMusic")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextSearch<&TSongsCatalog::SearchInLyric>)->Name("BM_SearchInLyric")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextSearch<&TSongsCatalog::SearchFullText>)->Name("BM_SearchFullText")->Unit(benchmark::kMillisecond);

void BM_SearchByOstrelCode(benchmark::State& state) {
  const auto catalog = LoadedCatalog();
  for (auto _ : state) benchmark::DoNotOptimize(catalog->SearchByOstrelCode(7002, true));
}
BENCHMARK(BM_SearchByOstrelCode)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("lyrova-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string command = std::string("'") + LYROVA_DEMO_DISC_TOOL + "' '" + folder.string() + "' --full >/dev/null";
  int status = 1;
  FullDisc full{folder.string(), {}};
  if (std::system(command.c_str()) == 0) {
    TSongsCatalog builder;
    if (builder.ReadCatalog(full.folder)) {
      full.dumps = builder.MakeDumps();
      std::cout << "disc: " << builder.Count() << " songs\n";
      disc = &full;
      benchmark::RunSpecifiedBenchmarks();
      status = 0;
    }
  }
  if (status != 0) std::cerr << "cannot make the full demo disc\n";
  benchmark::Shutdown();
  std::filesystem::remove_all(folder);
  return status;
}
