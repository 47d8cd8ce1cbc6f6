#pragma once
// The song catalogue: the list of songs built into the program, and the song
// image that every song's MIDI, timing and words are read from.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "catalog/catalog_resources.h"
#include "catalog/song_header.h"
#include "catalog/song_image.h"

namespace lyrova {

using Bytes = std::vector<std::uint8_t>;

class TSongsCatalog {
 public:
  TSongsCatalog();
  ~TSongsCatalog();
  TSongsCatalog(const TSongsCatalog&) = delete;
  TSongsCatalog& operator=(const TSongsCatalog&) = delete;

  // Replaces the list with the records of the resources and opens
  // folder + "rmidi.img". Returns false when the image could not be opened
  // (the records are loaded all the same; kImageNotFoundText tells the user).
  // Folders are file-system paths. Damaged resources throw lyrova::Error and
  // leave the list empty.
  bool LoadCatalog(const std::string& folder, const CatalogResources& resources);
  // The records alone, for work that needs no image.
  void LoadRecords(const CatalogResources& resources);
  bool ImageOpen() const { return image_.IsOpen(); }
  void ClearRecords() { records_.clear(); }
  // Whether the records describe the open image: the block headers of up to
  // maxChecked records, spread over the list from the first to the last, hold
  // the records' lengths, and those blocks lie within the image. An empty
  // list describes no image.
  bool RecordsMatchImage(int maxChecked) const;

  // Song blocks by song index; throw lyrova::Error on a bad index or I/O failure.
  void LoadMidi(int index, Bytes& stream);
  void LoadPoints(int index, Bytes& stream);
  std::string GetWodrs(int index);  // CP1251

  // Catalogue builder. ReadCatalog returns false, with the list empty, when
  // rmidi_of.img or rmidi.img is missing from the folder.
  bool ReadCatalog(const std::string& folder);
  void SaveCatalog(const std::string& outFolder) const;  // catdata.bin, catdata.txt
  CatalogDumps MakeDumps() const;

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
  void SearchInField(std::string TSongHeader::*field, const std::string& query);

  std::vector<TSongHeader> records_;
  SongImage image_;
};

}  // namespace lyrova
