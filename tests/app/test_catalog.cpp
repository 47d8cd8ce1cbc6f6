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
  records_ = records;
  dumps_ = MakeCatalogDumps(records);
  resources_.ofsdat = dumps_.bin;
  resources_.txtdat = {reinterpret_cast<const std::uint8_t*>(dumps_.txt.data()), dumps_.txt.size()};
}

std::vector<std::uint8_t> TTestCatalog::Blocks() const {
  std::vector<std::uint8_t> bytes;
  for (const TSongHeader& r : records_) {
    bytes.resize(r.Offset + 2048);
    std::uint8_t* h = bytes.data() + r.Offset;
    const auto be = [](std::uint8_t* at, std::uint32_t v, int size) {
      for (int i = size - 1; i >= 0; --i, v >>= 8) at[i] = static_cast<std::uint8_t>(v);
    };
    be(h, r.TextSize, 2);
    be(h + 2, r.MidiSize, 4);
    be(h + 6, r.PointsSize, 2);
    be(h + 8, r.WordsSize, 2);
  }
  return bytes;
}

}  // namespace lyrova::test
