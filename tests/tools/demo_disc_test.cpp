// The disc folders the tool writes: read back byte by byte and through the
// catalogue builder, which is how the player will see them.

#include "tools/demo_disc/demo_disc.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "catalog/errors.h"
#include "catalog/songs_catalog.h"
#include "tools/demo_disc/disc_codes.h"
#include "tools/demo_disc/disc_image_writer.h"
#include "tools/demo_disc/rendered_song.h"
#include "tools/demo_disc/song_block.h"
#include "tools/demo_disc/song_library.h"

namespace lyrova::demo {
namespace {

namespace fs = std::filesystem;

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "demo-disc-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t Be(const std::string& b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i)
    v = v << 8 | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
  return v;
}

std::vector<std::uint32_t> Entries(const fs::path& folder) {
  const std::string table = ReadAll(folder / "rmidi_of.img");
  std::vector<std::uint32_t> entries;
  for (std::size_t at = 0; at + 4 <= table.size(); at += 4) entries.push_back(Be(table, at, 4));
  return entries;
}

std::string ReadBytes(const fs::path& file, std::uint64_t offset, std::size_t n) {
  std::ifstream in(file, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(offset));
  std::string out(n, '\0');
  in.read(out.data(), static_cast<std::streamsize>(n));
  return out;
}

TEST(DiscCodes, FollowTheRangesOfTheRealDisc) {
  const std::vector<std::uint32_t> codes = DiscCodes();
  ASSERT_EQ(codes.size(), kDiscSongCount);
  EXPECT_EQ(codes[0], 1u);
  EXPECT_EQ(codes[1405], 1406u);
  EXPECT_EQ(codes[1406], 3001u);
  EXPECT_EQ(codes[1802], 4001u);
  EXPECT_EQ(codes[1912], 5001u);
  EXPECT_EQ(codes[1936], 5501u);
  EXPECT_EQ(codes[2000], 6501u);
  EXPECT_EQ(codes[2343], 7001u);
  EXPECT_EQ(codes[2344], 7002u);
  EXPECT_TRUE(CodeIsEncoded(6500));
  EXPECT_FALSE(CodeIsEncoded(6501));
  EXPECT_FALSE(CodeIsEncoded(6843));
  EXPECT_TRUE(CodeIsEncoded(7001));
}

class NormalDisc : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempFolder;
    summary_ = WriteDemoDisc(folder_->path() / "disc", false);
  }
  static void TearDownTestSuite() { delete folder_; }
  static fs::path Disc() { return folder_->path() / "disc"; }

  static TempFolder* folder_;
  static DiscSummary summary_;
};

TempFolder* NormalDisc::folder_ = nullptr;
DiscSummary NormalDisc::summary_;

TEST_F(NormalDisc, ImageHasTheSupportedSizeAndMarkAndIsSparse) {
  const fs::path image = Disc() / "rmidi.img";
  ASSERT_EQ(fs::file_size(image), kImageSize);
  EXPECT_EQ(ReadBytes(image, kImageSize - 2, 2), "\x3E\xEA");
  struct stat st {};
  ASSERT_EQ(::stat(image.c_str(), &st), 0);
  EXPECT_LT(static_cast<std::uint64_t>(st.st_blocks) * 512, 4u << 20) << "the gaps must stay holes";
}

TEST_F(NormalDisc, OffsetTableHoldsEveryCodeAndThreeIgnoredEntries) {
  const std::vector<std::uint32_t> entries = Entries(Disc());
  ASSERT_EQ(entries.size(), kDiscSongCount + kTrailingEntries);
  for (std::size_t i = 1; i < entries.size(); ++i) ASSERT_GE(entries[i], entries[i - 1]) << i;
  EXPECT_EQ(entries.back(), summary_.sectors);
  EXPECT_EQ(entries[0], 0u);
}

TEST_F(NormalDisc, SongsSitAtTheirCodesAndOtherEntriesAtDiscardedBlocks) {
  const std::vector<std::uint32_t> entries = Entries(Disc());
  const std::vector<std::uint32_t> codes = DiscCodes();
  const std::vector<std::uint32_t>& placed = DemoSongCodes();
  const fs::path image = Disc() / "rmidi.img";
  int songs = 0;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const std::string head = ReadBytes(image, std::uint64_t{entries[i]} * kSectorBytes, 12);
    const std::string text =
        ReadBytes(image, std::uint64_t{entries[i]} * kSectorBytes + 12, Be(head, 0, 2));
    const bool isSong = std::find(placed.begin(), placed.end(), codes[i]) != placed.end();
    songs += isSong;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), isSong ? 4 : 0) << codes[i];
    if (!isSong) {
      EXPECT_EQ(Be(head, 2, 4) + Be(head, 6, 2) + Be(head, 8, 2), 0u) << codes[i];
    }
  }
  EXPECT_EQ(songs, static_cast<int>(DemoSongs().size()));
  EXPECT_EQ(summary_.songs, songs);
}

TEST_F(NormalDisc, CatalogueBuilderFindsTheSongsWithTheirBlocks) {
  TSongsCatalog catalog;
  ASSERT_TRUE(catalog.ReadCatalog(Disc().string() + "/"));
  ASSERT_EQ(catalog.Count(), static_cast<int>(DemoSongs().size()));
  std::set<bool> encodings;
  for (int i = 0; i < catalog.Count(); ++i) {
    const TSongHeader& r = catalog.Record(i);
    SCOPED_TRACE(r.Code);
    EXPECT_EQ(r.Code, DemoSongCodes()[static_cast<std::size_t>(i)]);
    EXPECT_EQ(r.Encoded, CodeIsEncoded(r.Code));
    encodings.insert(r.Encoded);
    const RenderedSong song = RenderSong(DemoSongs()[static_cast<std::size_t>(i)]);
    std::string words;
    for (const std::string& line : song.wordLines) words += (words.empty() ? "" : "\r\n") + line;
    EXPECT_EQ(catalog.GetWodrs(i), words);
    Bytes midi, points;
    catalog.LoadMidi(i, midi);
    catalog.LoadPoints(i, points);
    EXPECT_EQ(midi, song.midi);
    EXPECT_EQ(points, song.points);
  }
  EXPECT_EQ(encodings.size(), 2u) << "songs of both text encodings";
}

TEST(FullDisc, EveryCodeHoldsASongSpreadOverTheSongArea) {
  TempFolder folder;
  const DiscSummary summary = WriteDemoDisc(folder.path(), true);
  EXPECT_EQ(summary.songs, static_cast<int>(kDiscSongCount));
  EXPECT_EQ(fs::file_size(folder.path() / "rmidi.img"), kImageSize);
  const std::vector<std::uint32_t> entries = Entries(folder.path());
  ASSERT_EQ(entries.size(), kDiscSongCount + kTrailingEntries);
  EXPECT_EQ(entries.back(), kSongAreaSectors);
  // The last song starts within one spread step of the end of the song area.
  EXPECT_GT(entries[kDiscSongCount - 1], kSongAreaSectors - 2 * kSongAreaSectors / kDiscSongCount);

  TSongsCatalog catalog;
  ASSERT_TRUE(catalog.ReadCatalog(folder.path().string() + "/"));
  ASSERT_EQ(catalog.Count(), static_cast<int>(kDiscSongCount));
  const std::vector<std::uint32_t> codes = DiscCodes();
  std::set<std::string> titles;
  for (int i = 0; i < catalog.Count(); ++i) {
    EXPECT_EQ(catalog.Record(i).Code, codes[static_cast<std::size_t>(i)]);
    titles.insert(catalog.Record(i).Name);
  }
  EXPECT_GT(titles.size(), kDiscSongCount / 2) << "titles vary, so searches tell songs apart";
  // Reading a song from the far end of the image works like the first.
  EXPECT_FALSE(catalog.GetWodrs(catalog.Count() - 1).empty());

  // Writing the small disc over it leaves nothing of the large one behind.
  WriteDemoDisc(folder.path(), false);
  ASSERT_TRUE(catalog.ReadCatalog(folder.path().string() + "/"));
  EXPECT_EQ(catalog.Count(), static_cast<int>(DemoSongs().size()));
}

TEST(DiscImageWriter, RefusesOverlapsBackwardEntriesAndUnwritableFolders) {
  TempFolder folder;
  DiscImageWriter writer(folder.path());
  writer.WriteBlock(0, ByteVector(3000, 1));
  EXPECT_EQ(writer.NextFreeSector(), 2u);
  EXPECT_THROW(writer.WriteBlock(1, ByteVector(10, 1)), Error);
  EXPECT_THROW(writer.WriteBlock(kImageSectors - 1, ByteVector(kSectorBytes, 1)), Error)
      << "a block over the version mark";
  writer.AddEntry(5);
  EXPECT_THROW(writer.AddEntry(4), Error);
  std::ofstream(folder.path() / "file") << "x";
  EXPECT_THROW(DiscImageWriter(folder.path() / "file" / "disc"), Error);
}

}  // namespace
}  // namespace lyrova::demo
