#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "catalog/catalog_errors.h"
#include "catalog/cp1251.h"
#include "catalog/songs_catalog.h"
#include "tests/catalog/disc_maker.h"

namespace lyrova {
namespace {

using testing::Bytes;
using testing::DiscSong;
using testing::ToBytes;

std::string ErrorText(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

// Three encoded songs; the second has no carriage return in its header text.
class CatalogOnDisc : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteDisc(dir_.path(), testing::MakeDisc({
        {"\x8F\xA5\xE1\xAD\xEF\rM.\x80\xA3\xA0\xE8\xA8\xAD\xAE\xA9\r\r\r", Bytes(3000, 0x11),
         {0x05, 0x81, 0x02, 0x7F}, "\"\x8F\xA5\"\r\n\xF0\xF0_\xA0"},
        {"discarded", Bytes(10, 0x22), {0x01}, "x"},
        {"Title\rWords\rMusic\rSinger\r", Bytes(100, 0x33), {0x02, 0x03}, "ab"},
    }));
    ASSERT_TRUE(catalog_.ReadCatalog(dir_.path()));
  }

  // Loads the built catalogue back from its dumps, changed by `patch`.
  void LoadPatched(const std::function<void(Bytes&)>& patch) {
    dumps_ = catalog_.MakeDumps();
    patch(dumps_.bin);
    txt_ = ToBytes(dumps_.txt);
    ASSERT_TRUE(catalog_.LoadCatalog(dir_.path() + "/", {dumps_.bin, txt_}));
  }

  testing::TempDir dir_;
  TSongsCatalog catalog_;
  CatalogDumps dumps_;
  Bytes txt_;
};

TEST_F(CatalogOnDisc, BuilderNumbersEverySongAndDropsUntitledOnes) {
  ASSERT_EQ(catalog_.Count(), 2);
  const TSongHeader& first = catalog_.Record(0);
  EXPECT_EQ(first.Code, 1u);
  EXPECT_TRUE(first.Encoded);
  EXPECT_TRUE(first.Found);
  EXPECT_EQ(first.Offset, 0u);
  EXPECT_EQ(first.MidiSize, 3000u);
  EXPECT_EQ(Cp1251ToUtf8(first.Name), "Песня");
  EXPECT_EQ(Cp1251ToUtf8(first.LyricAuthor), "Агашиной М.");
  EXPECT_EQ(Cp1251ToUtf8(first.MusicAuthor), "нет данных");
  // The untitled song still used up code 2.
  EXPECT_EQ(catalog_.Record(1).Code, 3u);
  EXPECT_EQ(catalog_.Record(1).Offset, 3u * 2048);
}

TEST_F(CatalogOnDisc, ReadsTheBlocksOfASong) {
  Bytes midi{9, 9};
  catalog_.LoadMidi(0, midi);
  EXPECT_EQ(midi, Bytes(3000, 0x11));
  Bytes points;
  catalog_.LoadPoints(0, points);
  EXPECT_EQ(points, (Bytes{0x05, 0x81, 0x02, 0x7F}));
  // Encoded words keep their quotes and line breaks.
  EXPECT_EQ(Cp1251ToUtf8(catalog_.GetWodrs(0)), "\"Пе\"\r\nЁ а");
  EXPECT_EQ(Cp1251ToUtf8(catalog_.GetWodrs(1)), "аb");
}

TEST_F(CatalogOnDisc, LoadCatalogTakesTheResourcesAsTheyAre) {
  const std::vector<TSongHeader> built = {catalog_.Record(0), catalog_.Record(1)};
  LoadPatched([](Bytes& bin) { bin[4 + 4] = 0; });  // record 0 not encoded
  ASSERT_EQ(catalog_.Count(), 2);
  EXPECT_FALSE(catalog_.Record(0).Encoded);
  EXPECT_EQ(catalog_.Record(1), built[1]);
  EXPECT_EQ(catalog_.GetWodrs(0), "\"\x8F\xA5\"\r\n\xF0\xF0_\xA0");  // words as stored
}

TEST_F(CatalogOnDisc, SaveCatalogWritesBothDumps) {
  testing::TempDir out;
  testing::WriteFile(out.File("catdata.txt"), std::string(5000, 'x'));  // replaced, not appended
  catalog_.SaveCatalog(out.path());
  const CatalogDumps dumps = catalog_.MakeDumps();
  EXPECT_EQ(testing::ReadFile(out.File("catdata.bin")), std::string(dumps.bin.begin(), dumps.bin.end()));
  EXPECT_EQ(testing::ReadFile(out.File("catdata.txt")), dumps.txt);
  EXPECT_EQ(dumps.txt.substr(0, 7), "\xCF\xE5\xF1\xED\xFF\r\n");

  const std::string folder = dir_.path() + "/no such folder";
  EXPECT_EQ(ErrorText([&] { catalog_.SaveCatalog(folder); }),
            "Cannot create file \"" + folder + "/catdata.bin\". no such file or folder");
}

TEST_F(CatalogOnDisc, BadIndexIsAListErrorAndReadsNothing) {
  Bytes stream{1, 2, 3};
  EXPECT_EQ(ErrorText([&] { catalog_.LoadMidi(2, stream); }), "List index out of bounds (2)");
  EXPECT_EQ(ErrorText([&] { catalog_.LoadPoints(-1, stream); }), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorText([&] { catalog_.GetWodrs(99); }), "List index out of bounds (99)");
  EXPECT_EQ(stream, (Bytes{1, 2, 3}));
}

TEST_F(CatalogOnDisc, BlockPastTheEndOfTheImageReadsNothing) {
  // Record 1's lengths as a damaged block header gives them: 4 GiB of MIDI,
  // 64 KiB of points and of words.
  LoadPatched([](Bytes& bin) { std::fill(bin.begin() + 4 + 20 + 12, bin.begin() + 4 + 40, 0xFF); });
  Bytes stream{1, 2, 3};
  EXPECT_EQ(ErrorText([&] { catalog_.LoadMidi(1, stream); }), "Read beyond end of file");
  EXPECT_EQ(ErrorText([&] { catalog_.LoadPoints(1, stream); }), "Read beyond end of file");
  EXPECT_EQ(ErrorText([&] { catalog_.GetWodrs(1); }), "Read beyond end of file");
  EXPECT_EQ(stream, (Bytes{1, 2, 3}));  // checked before anything was taken for it
  catalog_.LoadMidi(0, stream);  // the catalogue stays usable
  EXPECT_EQ(stream.size(), 3000u);
}

TEST_F(CatalogOnDisc, OffsetNearFourGigabytesDoesNotWrapOntoAnotherSong) {
  // Offset 0xFFFFF000 plus header, text and 4 KiB of MIDI would wrap to a
  // small number in 32 bits, inside song 1.
  LoadPatched([](Bytes& bin) {
    bin[4 + 6] = 0x00, bin[4 + 7] = 0xF0, bin[4 + 8] = 0xFF, bin[4 + 9] = 0xFF;
    bin[4 + 12] = 0x00, bin[4 + 13] = 0x10;
  });
  Bytes points;
  EXPECT_EQ(ErrorText([&] { catalog_.LoadPoints(0, points); }), "Read beyond end of file");
}

TEST(CatalogFiles, MissingImageStillLoadsTheRecords) {
  testing::TempDir dir;
  TSongsCatalog catalog;
  const Bytes ofs = {1, 0, 0, 0, 7, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const Bytes txt = ToBytes("a\r\nb\r\nc\r\nd\r\n");
  EXPECT_FALSE(catalog.LoadCatalog(dir.path(), {ofs, txt}));
  EXPECT_FALSE(catalog.ImageOpen());
  ASSERT_EQ(catalog.Count(), 1);
  EXPECT_EQ(catalog.Record(0).Code, 7u);
  EXPECT_EQ(ErrorText([&] { catalog.GetWodrs(0); }), "I/O error 9");
}

TEST(CatalogFiles, APipeNamedLikeTheImageIsRefusedAtOnce) {
  testing::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.File("rmidi.img").c_str(), 0600), 0);
  TSongsCatalog catalog;
  const Bytes noRecords(4, 0);
  EXPECT_FALSE(catalog.LoadCatalog(dir.path(), {noRecords, {}}));
  EXPECT_EQ(ErrorText([&] { SongImage::ReadWholeFile(dir.File("rmidi.img")); }), "I/O error 22");
}

TEST(CatalogFiles, BuilderNeedsBothDiscFiles) {
  const auto disc = testing::MakeDisc({{"Song\r", {}, {}, ""}});
  for (const char* present : {"rmidi.img", "rmidi_of.img"}) {
    testing::TempDir dir;
    testing::WriteFile(dir.File(present), std::string(present) == "rmidi.img" ? disc.image : disc.table);
    TSongsCatalog catalog;
    EXPECT_FALSE(catalog.ReadCatalog(dir.path())) << present;
    EXPECT_EQ(catalog.Count(), 0);
  }
}

TEST(CatalogFiles, BuilderIgnoresTheLastThreeEntriesAndStopsOnATruncatedImage) {
  testing::TempDir dir;
  auto disc = testing::MakeDisc({{"One\r", Bytes(10), {}, ""}, {"Two long title\r", {}, {}, ""}});
  disc.table.resize(4 * 4);  // one song and the three trailing entries
  testing::WriteDisc(dir.path(), disc);
  TSongsCatalog catalog;
  ASSERT_TRUE(catalog.ReadCatalog(dir.path()));
  EXPECT_EQ(catalog.Count(), 1);

  disc = testing::MakeDisc({{"One\r", Bytes(10), {}, ""}, {"Two long title\r", {}, {}, ""}});
  disc.image.resize(2048 + 14);  // the second header text is cut short
  testing::WriteDisc(dir.path(), disc);
  EXPECT_EQ(ErrorText([&] { catalog.ReadCatalog(dir.path()); }), "Read beyond end of file");
}

}  // namespace
}  // namespace lyrova
