#include "tests/playback/test_disc.h"

#include <fstream>
#include <random>

#include "catalog/catalog_resources.h"

namespace lyrova::test {

TTestDisc::TTestDisc() {
  std::random_device random;
  folder_ = std::filesystem::temp_directory_path() / ("lyrova-playback-" + std::to_string(random()));
  std::filesystem::create_directories(folder_);
}

TTestDisc::~TTestDisc() {
  catalog_.reset();
  std::error_code error;
  std::filesystem::remove_all(folder_, error);
}

void TTestDisc::AddSong(std::uint32_t code, std::vector<std::uint8_t> midi, std::vector<std::uint8_t> points,
                        std::string words) {
  songs_.push_back({code, std::move(midi), std::move(points), std::move(words)});
}

TSongsCatalog& TTestDisc::Catalog() {
  std::vector<TSongHeader> records;
  std::vector<std::uint8_t> image;
  for (const Song& song : songs_) {
    image.resize((image.size() + 2047) / 2048 * 2048);
    TSongHeader r;
    r.Code = song.code;
    r.Offset = static_cast<std::uint32_t>(image.size());
    r.MidiSize = static_cast<std::uint32_t>(song.midi.size());
    r.PointsSize = static_cast<std::uint16_t>(song.points.size());
    r.WordsSize = static_cast<std::uint16_t>(song.words.size());
    r.Name = "Song " + std::to_string(song.code);
    records.push_back(r);
    image.resize(image.size() + 12);
    image.insert(image.end(), song.midi.begin(), song.midi.end());
    image.insert(image.end(), song.points.begin(), song.points.end());
    image.insert(image.end(), song.words.begin(), song.words.end());
  }
  std::ofstream((folder_ / "rmidi.img").string(), std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
  CatalogDumps dumps = MakeCatalogDumps(records);
  bin_ = std::move(dumps.bin);
  txt_ = std::move(dumps.txt);
  catalog_ = std::make_unique<TSongsCatalog>();
  const CatalogResources resources{bin_, {reinterpret_cast<const std::uint8_t*>(txt_.data()), txt_.size()}};
  catalog_->LoadCatalog(folder_.string() + "/", resources);
  return *catalog_;
}

}  // namespace lyrova::test
