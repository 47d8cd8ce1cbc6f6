#pragma once
// A small catalogue built in memory for the song-list tests.

#include <string>
#include <vector>

#include "catalog/catalog_resources.h"
#include "catalog/songs_catalog.h"

namespace lyrova::test {

struct TTestSong {
  std::uint32_t code;
  std::string name, lyricAuthor, musicAuthor, singer;  // UTF-8 here, CP1251 in the catalogue
};

// Keeps the resource bytes alive for as long as the catalogue reads them.
class TTestCatalog {
 public:
  explicit TTestCatalog(const std::vector<TTestSong>& songs);
  const CatalogResources& Resources() const { return resources_; }
  // The start of a song image whose block headers hold these songs' lengths,
  // so that the catalogue describes the image it is loaded with.
  std::vector<std::uint8_t> Blocks() const;

 private:
  std::vector<TSongHeader> records_;
  CatalogDumps dumps_;
  CatalogResources resources_;
};

}  // namespace lyrova::test
