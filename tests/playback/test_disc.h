#pragma once
// A tiny song image and catalogue in a temporary folder, so that the engine
// reads songs through the real catalogue.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "catalog/songs_catalog.h"

namespace lyrova::test {

class TTestDisc {
 public:
  TTestDisc();
  ~TTestDisc();  // removes the folder

  // words: CP1251 lines; points: the packed points block.
  void AddSong(std::uint32_t code, std::vector<std::uint8_t> midi, std::vector<std::uint8_t> points,
               std::string words);
  // Writes the image and loads the catalogue from it.
  TSongsCatalog& Catalog();

 private:
  struct Song {
    std::uint32_t code;
    std::vector<std::uint8_t> midi, points;
    std::string words;
  };
  std::filesystem::path folder_;
  std::vector<Song> songs_;
  std::vector<std::uint8_t> bin_;
  std::string txt_;
  std::unique_ptr<TSongsCatalog> catalog_;
};

}  // namespace lyrova::test
