// Which catalogue a disc gets: the built-in one when it describes the
// image, else the disc's own, built once and then taken from the cache.

#include "catalog/disc_catalog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/catalog/disc_maker.h"

namespace lyrova {
namespace {

using testing::Bytes;

std::span<const std::uint8_t> AsSpan(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

class DiscCatalogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    disc_ = dir_.File("disc");
    cache_ = dir_.File("cache");
    std::filesystem::create_directory(disc_);
    Write({{"First\r\r\r\r", Bytes(3000, 1), {1}, "a"}, {"Second\r\r\r\r", Bytes(10, 2), {2}, "b"}});
    TSongsCatalog builder;
    ASSERT_TRUE(builder.ReadCatalog(disc_));
    builtIn_ = builder.MakeDumps();
    builtInTxt_ = builtIn_.txt;
  }
  void Write(const std::vector<testing::DiscSong>& songs) { testing::WriteDisc(disc_, testing::MakeDisc(songs)); }
  CatalogResources BuiltIn() const { return {builtIn_.bin, AsSpan(builtInTxt_)}; }
  DiscCatalogSource Load(TSongsCatalog& c) { return LoadDiscCatalog(c, disc_, BuiltIn(), cache_).source; }

  testing::TempDir dir_;
  std::string disc_;
  std::string cache_;
  CatalogDumps builtIn_;
  std::string builtInTxt_;
};

TEST_F(DiscCatalogTest, TheBuiltInCatalogueServesTheDiscItDescribes) {
  TSongsCatalog c;
  EXPECT_EQ(Load(c), DiscCatalogSource::BuiltIn);
  EXPECT_EQ(c.Count(), 2);
  EXPECT_FALSE(std::filesystem::exists(cache_));
}

TEST_F(DiscCatalogTest, AnotherDiscGetsItsOwnCatalogueOnceBuiltThenCached) {
  // The second song longer: its block header no longer matches the built-in record.
  Write({{"First\r\r\r\r", Bytes(3000, 1), {1}, "a"}, {"Other\r\r\r\r", Bytes(11, 2), {2}, "b"},
         {"Third\r\r\r\r", Bytes(5, 3), {3}, "c"}});
  for (DiscCatalogSource expected : {DiscCatalogSource::Built, DiscCatalogSource::Cached}) {
    TSongsCatalog c;
    EXPECT_EQ(Load(c), expected);
    ASSERT_EQ(c.Count(), 3);
    EXPECT_EQ(c.Record(1).MidiSize, 11u);
    EXPECT_EQ(c.GetWodrs(2), "\xF1");  // "c" in the disc character set
  }
  // A changed table is another key; stale dumps for it would be checked anyway.
  Write({{"Only\r\r\r\r", Bytes(7, 1), {1}, "d"}});
  TSongsCatalog c;
  EXPECT_EQ(Load(c), DiscCatalogSource::Built);
  EXPECT_EQ(c.Count(), 1);
}

TEST_F(DiscCatalogTest, WithoutTheTableTheCatalogueIsEmptyAndTheFileNamed) {
  Write({{"Changed\r\r\r\r", Bytes(9, 1), {1}, "a"}});
  std::filesystem::remove(disc_ + "/rmidi_of.img");
  TSongsCatalog c;
  const DiscCatalogResult r = LoadDiscCatalog(c, disc_, BuiltIn(), cache_);
  EXPECT_EQ(r.source, DiscCatalogSource::MissingTable);
  EXPECT_EQ(r.missingFile, disc_ + "/rmidi_of.img");
  EXPECT_EQ(c.Count(), 0);
  EXPECT_NE(MissingTableText(disc_).English().find(disc_ + " "), std::string::npos);
}

TEST_F(DiscCatalogTest, AnImageThatCannotBeOpenedKeepsTheBuiltInRecords) {
  std::filesystem::remove(disc_ + "/rmidi.img");
  TSongsCatalog c;
  EXPECT_EQ(Load(c), DiscCatalogSource::NoImage);
  EXPECT_EQ(c.Count(), 2);
}

TEST_F(DiscCatalogTest, AnImageCutShortIsNotDescribed) {
  TSongsCatalog c;
  c.LoadCatalog(disc_, BuiltIn());
  EXPECT_TRUE(c.RecordsMatchImage(1));
  std::filesystem::resize_file(disc_ + "/rmidi.img", 2048 + 12 + 10 + 10);
  EXPECT_FALSE(c.RecordsMatchImage(64));
}

}  // namespace
}  // namespace lyrova
