// Zipped songs read in memory, and the archives that must be refused with
// a reason: names that reach outside, bombs, cut and damaged members.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "catalog/errors.h"
#include "media/audio_decoder.h"
#include "media/cdg_picture.h"
#include "media/zip_archive.h"
#include "tests/media/media_samples.h"
#include "tests/support/temp_dir.h"
#include "tools/cdg/cdg_writer.h"

namespace lyrova {
namespace {

using testing::ZipBytes;

std::string Cdg() {
  TCdgWriter w;
  w.LoadColours(false, {TCdgColour{15, 0, 0}});
  w.MemoryPreset(0);
  w.Wait(600);
  return {w.Bytes().begin(), w.Bytes().end()};
}

std::string Mp3() {
  static testing::TempDir dir;
  static const std::string bytes = [] {
    testing::WriteToneWav(dir.File("t.wav"), 330, 1);
    testing::Encode(dir.File("t.wav"), dir.File("t.mp3"));
    return testing::ReadFile(dir.File("t.mp3"));
  }();
  return bytes;
}

// The reason the archive is refused, or "" when its song reads.
std::string Refusal(const std::vector<std::uint8_t>& bytes) {
  try {
    const TZipArchive zip = TZipArchive::OpenBytes(bytes);
    const TZipSong song = zip.FindSong();
    zip.Read(song.audio);
    zip.Read(song.cdg);
    return "";
  } catch (const Error& e) {
    return e.what();
  }
}

TEST(ZipArchive, ASongPairPlaysFromMemory) {
  const auto bytes = ZipBytes({{"Singer - Song/readme.txt", "x"},
                              {"Singer - Song/Singer - Song.MP3", Mp3()},
                              {"Singer - Song/singer - song.cdg", Cdg()}});
  testing::TempDir dir;
  testing::WriteFile(dir.File("song.zip"), std::string(bytes.begin(), bytes.end()));
  const TZipArchive zip = TZipArchive::OpenFile(dir.File("song.zip"));
  const TZipSong song = zip.FindSong();
  EXPECT_EQ(song.audio, "Singer - Song/Singer - Song.MP3");
  EXPECT_EQ(song.cdg, "Singer - Song/singer - song.cdg");

  TAudioDecoder decoder(TMediaInput::OpenBytes(zip.Read(song.audio)));
  EXPECT_NEAR(decoder.DurationSeconds(), 1.0, 0.1);
  std::vector<float> block;
  std::size_t frames = 0;
  while (decoder.Next(block)) frames += block.size() / 2;
  EXPECT_NEAR(static_cast<double>(frames) / TAudioDecoder::kSampleRate, 1.0, 0.05);

  TCdgPicture picture(zip.Read(song.cdg));
  EXPECT_EQ(picture.At(1'000'000).pixel(150, 100), qRgb(255, 0, 0));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "nothing is unpacked";
}

TEST(ZipArchive, RefusesWhatIsNoSongOrUnsafe) {
  struct Case {
    std::vector<testing::ZipMember> members;
    const char* reason;
  };
  const std::string mp3 = Mp3();
  const std::string cdg = Cdg();
  const Case cases[] = {
      {{{"a.mp3", mp3}}, "no MP3 and CDG of the same name"},
      {{{"a.mp3", mp3}, {"b.cdg", cdg}}, "no MP3 and CDG of the same name"},
      {{{"a.mp3", mp3}, {"a.cdg", cdg}, {"b.mp3", mp3}, {"b.cdg", cdg}}, "more than one"},
      {{{"../a.mp3", mp3}, {"../a.cdg", cdg}}, "outside the archive"},
      {{{"a.mp3", mp3}, {"a.cdg", cdg}, {"x/../../etc/passwd", "x"}}, "outside the archive"},
      {{{"/tmp/a.mp3", mp3}, {"/tmp/a.cdg", cdg}}, "outside the archive"},
      {{{"C:\\a.mp3", mp3}, {"C:\\a.cdg", cdg}}, "outside the archive"},
      {{{"dir\\..\\..\\a.mp3", mp3}, {"a.cdg", cdg}}, "outside the archive"},
      {{{"a.mp3", mp3}, {"a.cdg", std::string(16u << 20, '\0')}}, "zip bomb"},
  };
  for (const Case& c : cases) {
    const std::string reason = Refusal(ZipBytes(c.members));
    EXPECT_NE(reason.find(c.reason), std::string::npos) << c.members.front().name << ": " << reason;
  }
  EXPECT_TRUE(SafeMemberName("a/b..c/..d.mp3"));
}

TEST(ZipArchive, CutDamagedAndLyingArchivesAreRefused) {
  const std::vector<std::uint8_t> good = ZipBytes({{"a.mp3", Mp3()}, {"a.cdg", Cdg()}});
  ASSERT_EQ(Refusal(good), "");

  std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  EXPECT_NE(Refusal(cut), "");
  EXPECT_NE(Refusal({}), "");
  EXPECT_NE(Refusal(std::vector<std::uint8_t>(4096, 0x50)), "");

  // Garbage over the middle of the first member's data.
  std::vector<std::uint8_t> damaged = good;
  for (std::size_t i = 100; i < 1100; ++i) damaged[i] = static_cast<std::uint8_t>(i * 97);
  EXPECT_NE(Refusal(damaged), "");

  // Both headers of the CDG claim 100 bytes where far more unpack.
  std::vector<std::uint8_t> lying = good;
  const std::uint32_t cdgSize = static_cast<std::uint32_t>(Cdg().size());
  int patched = 0;
  for (std::size_t i = 0; i + 30 < lying.size(); ++i) {
    const bool local = std::memcmp(&lying[i], "PK\x03\x04", 4) == 0;
    const bool central = std::memcmp(&lying[i], "PK\x01\x02", 4) == 0;
    const std::size_t field = local ? i + 22 : i + 24;
    std::uint32_t size = 0;
    if (local || central) std::memcpy(&size, &lying[field], 4);
    if ((local || central) && size == cdgSize) {
      const std::uint32_t small = 100;
      std::memcpy(&lying[field], &small, 4);
      ++patched;
    }
  }
  ASSERT_EQ(patched, 2);
  EXPECT_NE(Refusal(lying), "");
}

}  // namespace
}  // namespace lyrova
