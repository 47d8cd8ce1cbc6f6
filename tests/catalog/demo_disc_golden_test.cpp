// The catalogue built from the demo disc that the build makes beside the
// program: records, texts, blocks and timing, and the built-in catalogue.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "catalog/cp1251.h"
#include "catalog/header_text.h"
#include "catalog/midi_repair.h"
#include "catalog/offset_table.h"
#include "catalog/points.h"
#include "catalog/songs_catalog.h"
#include "catalog/text_lines.h"
#include "resources/catalog/built_in_catalog.h"
#include "tools/demo_disc/demo_disc.h"
#include "tools/demo_disc/song_library.h"
#include "tests/catalog/disc_maker.h"

namespace lyrova {
namespace {

constexpr std::uint64_t kSupportedImageSize = 111'945'728;

class DemoDiscGolden : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    catalog_ = new TSongsCatalog;
    ASSERT_TRUE(catalog_->ReadCatalog(LYROVA_DEMO_DISC_DIR));
  }
  static void TearDownTestSuite() {
    delete catalog_;
    catalog_ = nullptr;
  }
  static TSongsCatalog* catalog_;
};

TSongsCatalog* DemoDiscGolden::catalog_ = nullptr;

// A header line as the catalogue shows it: quotes of encoded songs dropped,
// blanks trimmed, a leading initial moved behind the name.
std::string Shown(const char* utf8, bool encoded) {
  std::string text = Utf8ToCp1251(utf8);
  if (encoded) std::erase(text, '"');
  return Cp1251ToUtf8(NoDataIfEmpty(TrimControl(text)));
}

TEST_F(DemoDiscGolden, ImageIsTheSupportedVersion) {
  const std::string image = std::string(LYROVA_DEMO_DISC_DIR) + "/rmidi.img";
  ASSERT_EQ(std::filesystem::file_size(image), kSupportedImageSize);
  std::ifstream in(image, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(kSupportedImageSize - 2));
  char mark[2] = {};
  in.read(mark, 2);
  EXPECT_EQ(static_cast<unsigned char>(mark[0]), 0x3E);
  EXPECT_EQ(static_cast<unsigned char>(mark[1]), 0xEA);
}

TEST_F(DemoDiscGolden, RecordsCarryTheDemoSongsAtTheirCodes) {
  const std::vector<std::uint32_t>& codes = demo::DemoSongCodes();
  const auto& songs = demo::DemoSongs();
  ASSERT_EQ(catalog_->Count(), static_cast<int>(codes.size()));
  for (int i = 0; i < catalog_->Count(); ++i) {
    const TSongHeader& r = catalog_->Record(i);
    const demo::SongScore& song = songs[static_cast<std::size_t>(i)];
    SCOPED_TRACE(r.Code);
    EXPECT_EQ(r.Code, codes[static_cast<std::size_t>(i)]);
    EXPECT_EQ(r.Encoded, r.Code < 6501 || r.Code > 6843);
    EXPECT_TRUE(r.Found);
    EXPECT_EQ(Cp1251ToUtf8(r.Name), Shown(song.title, r.Encoded));
    EXPECT_EQ(Cp1251ToUtf8(r.LyricAuthor), Shown(song.lyricist, r.Encoded));
    EXPECT_EQ(Cp1251ToUtf8(r.MusicAuthor), Shown(song.composer, r.Encoded));
    EXPECT_EQ(Cp1251ToUtf8(r.Singer), Shown(song.singer, r.Encoded));
  }
}

TEST_F(DemoDiscGolden, BlocksLieInWholeSectorsWithoutOverlapping) {
  const TrMidi_of table(LYROVA_DEMO_DISC_DIR);
  std::uint64_t previousEnd = 0;
  for (int i = 0; i < catalog_->Count(); ++i) {
    const TSongHeader& r = catalog_->Record(i);
    SCOPED_TRACE(r.Code);
    EXPECT_EQ(r.Offset % kSectorSize, 0u);
    EXPECT_GE(r.Offset, previousEnd);
    const std::uint64_t end = WordsOffset(r) + r.WordsSize;
    previousEnd = (end + kSectorSize - 1) / kSectorSize * kSectorSize;
    // The record stands at the table entry its code was counted from.
    bool inTable = false;
    for (int e = 0; e < table.Count(); ++e) inTable = inTable || table.Items(e) == r.Offset;
    EXPECT_TRUE(inTable);
  }
  EXPECT_LT(previousEnd, kSupportedImageSize);
}

TEST_F(DemoDiscGolden, EverySongHasOnePairPerTimedCharacter) {
  for (int i = 0; i < catalog_->Count(); ++i) {
    SCOPED_TRACE(catalog_->Record(i).Code);
    Bytes points;
    catalog_->LoadPoints(i, points);
    const std::vector<std::string> lines = SplitLines(catalog_->GetWodrs(i));
    EXPECT_GT(lines.size(), 4u);
    EXPECT_EQ(DecodeTiming(points).size(), CountTimedUnits(lines));
    // No lead byte is left without its second byte.
    std::size_t pos = 0;
    while (pos < points.size()) pos += points[pos] < 0x80 ? 1 : 2;
    EXPECT_EQ(pos, points.size());
  }
}

TEST_F(DemoDiscGolden, MidiBlocksAreStandardMidiFilesAfterTheRepair) {
  int damaged = 0;
  for (int i = 0; i < catalog_->Count(); ++i) {
    SCOPED_TRACE(catalog_->Record(i).Code);
    Bytes midi;
    catalog_->LoadMidi(i, midi);
    ASSERT_GE(midi.size(), 22u);
    EXPECT_EQ(std::string(midi.begin(), midi.begin() + 4), "MThd");
    EXPECT_EQ(std::string(midi.begin() + 14, midi.begin() + 18), "MTrk");
    const Bytes stored = midi;
    RepairFirstTrackLength(midi);
    damaged += midi != stored;
    const std::uint32_t length = std::uint32_t{midi[18]} << 24 | midi[19] << 16 | midi[20] << 8 | midi[21];
    EXPECT_LE(length, midi.size() - 22);
  }
  EXPECT_GT(damaged, 0) << "some demo songs carry a damaged first track length";
}

// The load-test disc holds a song at every code of the real disc.
TEST(FullDemoDisc, BuilderNumbersAllTheDiscsCodes) {
  testing::TempDir dir;
  const std::string command = std::string("'") + LYROVA_DEMO_DISC_TOOL + "' '" + dir.path() + "' --full >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  TSongsCatalog catalog;
  ASSERT_TRUE(catalog.ReadCatalog(dir.path()));
  ASSERT_EQ(catalog.Count(), 2345);
  EXPECT_EQ(catalog.Record(1405).Code, 1406u);
  EXPECT_EQ(catalog.Record(1406).Code, 3001u);  // the 1,407th entry
  EXPECT_EQ(catalog.Record(2000).Code, 6501u);
  EXPECT_FALSE(catalog.Record(2000).Encoded);
  EXPECT_EQ(catalog.Record(2342).Code, 6843u);
  EXPECT_FALSE(catalog.Record(2342).Encoded);
  EXPECT_EQ(catalog.Record(2343).Code, 7001u);
  EXPECT_TRUE(catalog.Record(2343).Encoded);
  EXPECT_EQ(catalog.Record(2344).Code, 7002u);
  for (int i = 1; i < catalog.Count(); ++i) {
    ASSERT_GT(catalog.Record(i).Offset, catalog.Record(i - 1).Offset) << i;
  }
  EXPECT_EQ(catalog.MakeDumps().bin.size(), 46'904u);
}

#if LYROVA_BUILT_IN_IS_DEMO
TEST_F(DemoDiscGolden, BuiltInCatalogueIsTheDemoDiscsCatalogue) {
  const CatalogDumps dumps = catalog_->MakeDumps();
  const CatalogResources builtIn = BuiltInCatalog();
  EXPECT_TRUE(std::equal(builtIn.ofsdat.begin(), builtIn.ofsdat.end(), dumps.bin.begin(), dumps.bin.end()));
  EXPECT_EQ(std::string(builtIn.txtdat.begin(), builtIn.txtdat.end()), dumps.txt);
  TSongsCatalog loaded;
  ASSERT_TRUE(loaded.LoadCatalog(LYROVA_DEMO_DISC_DIR, builtIn));
  ASSERT_EQ(loaded.Count(), catalog_->Count());
  for (int i = 0; i < loaded.Count(); ++i) EXPECT_EQ(loaded.Record(i), catalog_->Record(i));
}
#endif

}  // namespace
}  // namespace lyrova
