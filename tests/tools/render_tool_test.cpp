// lyrova-render on songs of a library and of a disc the built-in catalogue
// does not describe, run as a separate program.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/catalog/disc_maker.h"
#include "tests/catalog/smf_maker.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wav_peak.h"

namespace lyrova {
namespace {

namespace fs = std::filesystem;
using testing::SmfTrack;

std::string Quote(const std::string& arg) {
  std::string q = "'";
  for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::vector<std::uint8_t> Song() {
  SmfTrack track;
  track.Text(0, "@KMIDI KARAOKE FILE").Text(0, "@TSong").Text(0, "la").Text(384, " la");
  track.NoteOn(0, 60).NoteOff(768, 60);
  return testing::MakeSmf(384, {track});
}

class RenderToolTest : public ::testing::Test {
 protected:
  void SetUp() override { ::setenv("XDG_CACHE_HOME", dir_.File("cache").c_str(), 1); }
  int Run(const std::vector<std::string>& args) {
    std::string command = Quote(LYROVA_RENDER_TOOL);
    for (const std::string& a : args) command += " " + Quote(a);
    const int status = std::system((command + " >" + Quote(dir_.File("out")) + " 2>" + Quote(dir_.File("err"))).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Err() const { return testing::ReadFile(dir_.File("err")); }

  testing::TempDir dir_;
};

TEST_F(RenderToolTest, ALibrarySongRendersByItsCode) {
  const std::string library = dir_.File("songs");
  fs::create_directories(library);
  const std::vector<std::uint8_t> song = Song();
  testing::WriteFile(library + "/a.kar", std::string(song.begin(), song.end()));
  const std::string wav = dir_.File("a.wav");
  ASSERT_EQ(Run({"--library", library, "--code", "10001", "--wav", wav}), 0) << Err();
  EXPECT_GT(testing::WavPeak(wav), 100);  // silence is 0
  EXPECT_EQ(Run({"--library", library, "--code", "10002", "--wav", wav}), 1);
  EXPECT_NE(Err().find("10002"), std::string::npos) << Err();
}

TEST_F(RenderToolTest, ADiscWithoutItsCatalogueGetsItsOwn) {
  const std::string disc = dir_.File("disc");
  fs::create_directories(disc);
  const std::vector<std::uint8_t> song = Song();
  testing::WriteDisc(disc, testing::MakeDisc({{"Song\r\r\r\r", song, {1, 1, 1}, "la la"}}));
  const std::string wav = dir_.File("d.wav");
  ASSERT_EQ(Run({"--disc", disc, "--code", "1", "--wav", wav}), 0) << Err();
  EXPECT_GT(testing::WavPeak(wav), 100);  // silence is 0

  fs::remove(disc + "/rmidi_of.img");
  fs::remove_all(dir_.File("cache"));
  EXPECT_EQ(Run({"--disc", disc, "--code", "1", "--wav", wav}), 1);
  EXPECT_NE(Err().find("rmidi_of.img"), std::string::npos) << Err();
}

TEST_F(RenderToolTest, ADamagedSongFailsAtOnceAndTheOthersRender) {
  const std::string disc = dir_.File("disc");
  fs::create_directories(disc);
  const std::vector<std::uint8_t> song = Song();
  testing::DiscFiles files = testing::MakeDisc({{"Song\r\r\r\r", song, {1, 1, 1}, "la la"},
                                                {"Damaged\r\r\r\r", song, {1, 1, 1}, "la la"}});
  testing::DamageBlockLengths(files, 1);
  testing::WriteDisc(disc, files);
  const std::string wav = dir_.File("d.wav");
  EXPECT_EQ(Run({"--disc", disc, "--code", "2", "--wav", wav}), 1);
  EXPECT_EQ(Err(), "lyrova-render: Read beyond end of file\n");
  ASSERT_EQ(Run({"--disc", disc, "--code", "1", "--wav", wav}), 0) << Err();
  EXPECT_GT(testing::WavPeak(wav), 100);
  // The damaged lengths claim 4 GiB; nothing of that is ever allocated.
  rusage usage {};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  EXPECT_LT(usage.ru_maxrss / 1024, 200);
}

TEST_F(RenderToolTest, PicturesTakeTheLookOfASettingsFileWithoutWritingItAndProgressIsShown) {
  const std::string library = dir_.File("songs");
  fs::create_directories(library);
  const std::vector<std::uint8_t> song = Song();
  testing::WriteFile(library + "/a.kar", std::string(song.begin(), song.end()));
  const std::string look = dir_.File("look.ini");
  const std::string lookText = "[Font]\r\nColor1=255\r\nColor2=65280\r\nHeight=40\r\n";
  testing::WriteFile(look, lookText);
  const std::string plain = dir_.File("plain.png"), looked = dir_.File("looked.png");
  ASSERT_EQ(Run({"--library", library, "--code", "10001", "--frame-at", "500", plain, "--settings", "none"}), 0) << Err();
  ASSERT_EQ(Run({"--library", library, "--code", "10001", "--frame-at", "500", looked, "--settings", look}), 0) << Err();
  EXPECT_NE(testing::ReadFile(plain), testing::ReadFile(looked));  // other colours, another size
  EXPECT_EQ(testing::ReadFile(look), lookText);                    // only read
  // The render says how far it is, in tenths.
  EXPECT_NE(Err().find("lyrova-render: 50%"), std::string::npos) << Err();
  // A picture at a television's size.
  const std::string wide = dir_.File("wide.png");
  ASSERT_EQ(Run({"--library", library, "--code", "10001", "--frame-at", "500", wide, "--size", "1920x1080"}), 0)
      << Err();
  const std::string png = testing::ReadFile(wide);
  ASSERT_GT(png.size(), 24u);
  const auto be32 = [&](std::size_t at) {
    return static_cast<unsigned char>(png[at]) << 24 | static_cast<unsigned char>(png[at + 1]) << 16 |
           static_cast<unsigned char>(png[at + 2]) << 8 | static_cast<unsigned char>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 1920);  // the header chunk's width and height
  EXPECT_EQ(be32(20), 1080);
  EXPECT_EQ(Run({"--library", library, "--code", "10001", "--frame-at", "500", wide, "--size", "1921x1080"}), 1);
}

}  // namespace
}  // namespace lyrova
