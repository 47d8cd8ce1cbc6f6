#include "tests/app/test_catalog.h"

#include "catalog/cp1251.h"

namespace lyrova::test {

TTestCatalog::TTestCatalog(const std::vector<TTestSong>& songs) {
  std::vector<TSongHeader> records;
  std::uint32_t offset = 0;
  for (const TTestSong& s : songs) {
    TSongHeader r;
    r.Code = s.code;
    r.Found = true;
    r.Offset = offset;
    r.TextSize = 10;
    r.MidiSize = 100;
    r.PointsSize = 10;
    r.WordsSize = 10;
    r.Name = Utf8ToCp1251(s.name);
    r.LyricAuthor = Utf8ToCp1251(s.lyricAuthor);
    r.MusicAuthor = Utf8ToCp1251(s.musicAuthor);
    r.Singer = Utf8ToCp1251(s.singer);
    records.push_back(r);
    offset += 2048;
  }
  dumps_ = MakeCatalogDumps(records);
  resources_.ofsdat = dumps_.bin;
  resources_.txtdat = {reinterpret_cast<const std::uint8_t*>(dumps_.txt.data()), dumps_.txt.size()};
}

}  // namespace lyrova::test
