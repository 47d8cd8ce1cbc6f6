// A singer's mixed collection read as a library: karaoke files, MP3s with
// their CDG in any letter case, zipped pairs and videos, each in path order
// with its kind, its names and its parts, and the files that are no song
// each with its reason; the index keeps all of it.

#include "media/recorded_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "tests/catalog/smf_maker.h"
#include "tests/media/command.h"
#include "tests/media/media_samples.h"
#include "tests/support/temp_dir.h"
#include "tools/cdg/cdg_writer.h"

namespace lyrova {
namespace {

namespace fs = std::filesystem;

std::string Cdg() {
  TCdgWriter w;
  w.MemoryPreset(1);
  w.Wait(300);
  return {w.Bytes().begin(), w.Bytes().end()};
}

class RecordedLibraryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    samples_ = new testing::TempDir;
    testing::WriteToneWav(samples_->File("t.wav"), 440, 1);
    testing::Encode(samples_->File("t.wav"), samples_->File("plain.mp3"));
    testing::Encode(samples_->File("t.wav"), samples_->File("tagged.mp3"), {"artist=Tag Singer", "title=Tag Title"});
    testing::RunCommand("ffmpeg -v error -y -f lavfi -i color=c=blue:s=160x120:r=25:d=1 -i " + samples_->File("t.wav") +
                        " -shortest -c:v libx264 -c:a aac " + samples_->File("video.mp4"));
    testing::RunCommand("ffmpeg -v error -y -f lavfi -i color=c=red:s=160x120:r=25:d=1 -c:v libx264 " +
                        samples_->File("silent.mp4"));
  }
  static void TearDownTestSuite() { delete samples_; }

  void SetUp() override {
    root_ = dir_.File("songs");
    fs::create_directories(root_ + "/zips");
    const std::string plain = Sample("plain.mp3");
    const std::vector<std::uint8_t> kar = testing::MakeSmf(384, {testing::SmfTrack().Text(0, "@TKar").Lyric(0, "la")});
    Put("Kar.kar", std::string(kar.begin(), kar.end()));
    Put("Some_Singer - Some_Song.mp3", plain);
    Put("some_singer - some_song.CDG", Cdg());
    Put("Tagged.MP3", Sample("tagged.mp3"));
    Put("Tagged.cdg", Cdg());
    Put("Lone.mp3", plain);
    Put("Lone Graphics.cdg", Cdg());
    Put("Bad CDG.mp3", plain);
    Put("Bad CDG.cdg", "");
    const auto zip = testing::ZipBytes({{"inner/Zipped Singer - Zipped Song.mp3", plain}, {"inner/Zipped Singer - Zipped Song.cdg", Cdg()}});
    Put("zips/Zip Singer - Zip Song.zip", std::string(zip.begin(), zip.end()));
    const auto evil = testing::ZipBytes({{"../x.mp3", plain}, {"../x.cdg", Cdg()}});
    Put("zips/evil.zip", std::string(evil.begin(), evil.end()));
    Put("zips/garbage.zip", std::string(3000, 'Z'));
    Put("Video Singer - Video Song.mp4", Sample("video.mp4"));
    Put("Silent.mp4", Sample("silent.mp4"));
    Put("Garbage.mkv", std::string(3000, 'G'));
  }
  static std::string Sample(const std::string& name) { return testing::ReadFile(samples_->File(name)); }
  void Put(const std::string& path, const std::string& bytes) { testing::WriteFile(root_ + "/" + path, bytes); }

  static testing::TempDir* samples_;
  testing::TempDir dir_;
  std::string root_;
};

testing::TempDir* RecordedLibraryTest::samples_ = nullptr;

std::map<std::string, std::string> Reasons(const SongLibrary& l) {
  std::map<std::string, std::string> out;
  for (const BrokenFile& b : l.broken) out[b.path] = b.reason;
  return out;
}

TEST_F(RecordedLibraryTest, AMixedCollectionReadsWithKindsNamesAndReasons) {
  const std::string cache = dir_.File("cache/library.idx");
  const SongLibrary first = ScanSongLibrary(root_, cache);
  const SongLibrary again = ScanSongLibrary(root_, cache);  // from the index
  for (const SongLibrary* l : {&first, &again}) {
    ASSERT_EQ(l->songs.size(), 5u);
    struct Want {
      const char* path;
      SongKind kind;
      const char* singer;
      const char* title;
    };
    const Want want[] = {
        {"Kar.kar", SongKind::Midi, nullptr, "Kar"},
        {"Some_Singer - Some_Song.mp3", SongKind::Cdg, "Some Singer", "Some Song"},
        {"Tagged.MP3", SongKind::Cdg, "Tag Singer", "Tag Title"},
        {"Video Singer - Video Song.mp4", SongKind::Video, "Video Singer", "Video Song"},
        {"zips/Zip Singer - Zip Song.zip", SongKind::Cdg, "Zip Singer", "Zip Song"},
    };
    for (std::size_t i = 0; i < std::size(want); ++i) {
      const LibrarySong& s = l->songs[i];
      EXPECT_EQ(s.code, kFirstLibraryCode + i);
      EXPECT_EQ(s.file.path, want[i].path);
      EXPECT_EQ(s.kind, want[i].kind) << want[i].path;
      if (want[i].singer) {
        EXPECT_EQ(s.fields.singer, want[i].singer) << want[i].path;
      }
      EXPECT_EQ(s.fields.title, want[i].title) << want[i].path;
    }
    EXPECT_EQ(l->songs[1].parts.cdg, "some_singer - some_song.CDG");
    EXPECT_EQ(l->songs[4].parts.audioMember, "inner/Zipped Singer - Zipped Song.mp3");
    EXPECT_EQ(l->songs[4].parts.cdgMember, "inner/Zipped Singer - Zipped Song.cdg");

    const auto reasons = Reasons(*l);
    EXPECT_EQ(reasons.size(), 7u);
    for (const auto& [path, part] : std::map<std::string, std::string>{
             {"Lone.mp3", "without a CDG"},
             {"Lone Graphics.cdg", "without an MP3"},
             {"Bad CDG.mp3", "its CDG cannot be played"},
             {"zips/evil.zip", "outside the archive"},
             {"zips/garbage.zip", "no zip archive"},
             {"Silent.mp4", "no sound"},
             {"Garbage.mkv", "cannot read"}}) {
      ASSERT_TRUE(reasons.count(path)) << path;
      EXPECT_NE(reasons.at(path).find(part), std::string::npos) << path << ": " << reasons.at(path);
    }
  }

  const TRecordedFiles files = RecordedFilesOf(first, first.songs[4]);
  EXPECT_EQ(files.sound, root_ + "/zips/Zip Singer - Zip Song.zip");
  EXPECT_EQ(files.soundMember, "inner/Zipped Singer - Zipped Song.mp3");

  // A new CDG beside an MP3 changes the song: the pair is read again.
  Put("some_singer - some_song.CDG", "");
  fs::last_write_time(root_ + "/some_singer - some_song.CDG", fs::file_time_type::clock::now() + std::chrono::hours(1));
  const SongLibrary changed = ScanSongLibrary(root_, cache);
  EXPECT_EQ(changed.songs.size(), 4u);
  EXPECT_TRUE(Reasons(changed).count("Some_Singer - Some_Song.mp3"));
}

TEST(TagText, ReadsCodePageTagsMarkedLatin1) {
  // "Алла" in CP1251 read as Latin-1, as FFmpeg gives such ID3 tags.
  EXPECT_EQ(TagText("\xC3\x80\xC3\xAB\xC3\xAB\xC3\xA0 \xC3\x8F\xC3\xB3\xC3\xA3\xC3\xA0\xC3\xB7\xC3\xA5\xC3\xA2\xC3\xA0"),
            "\xD0\x90\xD0\xBB\xD0\xBB\xD0\xB0 \xD0\x9F\xD1\x83\xD0\xB3\xD0\xB0\xD1\x87\xD0\xB5\xD0\xB2\xD0\xB0");
  EXPECT_EQ(TagText("Caf\xC3\xA9"), "Caf\xC3\xA9");                 // Latin-1 that is Latin-1
  EXPECT_EQ(TagText("\xD0\x90\xD0\xBB\xD0\xBB\xD0\xB0"), "\xD0\x90\xD0\xBB\xD0\xBB\xD0\xB0");  // already right
  EXPECT_EQ(TagText("plain"), "plain");
}

}  // namespace
}  // namespace lyrova
