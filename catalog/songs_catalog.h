#pragma once
// The song catalogue: the list of songs built into the program, and the song
// image that every song's MIDI, timing and words are read from.

#include <cstdint>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "catalog/song_header.h"

namespace lyrova {

using Bytes = std::vector<std::uint8_t>;

// The two catalogue resources in their dump layouts.
struct CatalogResources {
  std::span<const std::uint8_t> ofsdat;  // count + 20-byte records
  std::span<const std::uint8_t> txtdat;  // four CP1251 lines per record
};

class TSongsCatalog {
 public:
  TSongsCatalog();
  ~TSongsCatalog();
  TSongsCatalog(const TSongsCatalog&) = delete;
  TSongsCatalog& operator=(const TSongsCatalog&) = delete;

  // Replaces the list with the records of the resources and opens
  // folder + "rmidi.img". Returns false when the image could not be opened
  // (the records are loaded all the same).
  bool LoadCatalog(const std::string& folder, const CatalogResources& resources);

  // Song blocks by song index; throw lyrova::Error on a bad index or I/O failure.
  void LoadMidi(int index, Bytes& stream);
  void LoadPoints(int index, Bytes& stream);
  std::string GetWodrs(int index);  // CP1251

  // Catalogue builder.
  bool ReadCatalog(const std::string& folder);
  void SaveCatalog(const std::string& outFolder) const;  // catdata.bin, catdata.txt

  int Count() const { return static_cast<int>(records_.size()); }
  const TSongHeader& Record(int index) const;

  // Searches (queries are CP1251).
  void SearchInName(const std::string& query);
  void SearchInLyric(const std::string& query);
  void SearchInMusic(const std::string& query);
  void SearchInSinger(const std::string& query);
  void SearchFullText(const std::string& query);
  int SearchByOstrelCode(std::uint32_t code, bool mark);
  void ClearSearchRes();

 private:
  std::vector<TSongHeader> records_;
  std::ifstream imageFile_;
  bool imageOpen_ = false;
};

}  // namespace lyrova
