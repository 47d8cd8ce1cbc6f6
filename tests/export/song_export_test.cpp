// Songs saved as the player plays and shows them, levelled, and written so
// that a cancelled or failed save leaves the folder as it was.

#include "export/song_export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "catalog/errors.h"
#include "export/freed_memory.h"
#include "export/loudness.h"
#include "tests/export/export_song.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wav_peak.h"
#include "video/film_decoder.h"

namespace lyrova {
namespace {

namespace fs = std::filesystem;

std::set<std::string> Listing(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

TExportRequest Request(const std::string& target, bool withChords = true) {
  TExportRequest request;
  request.song = testing::ExportSong(withChords);
  request.target = target;
  return request;
}

bool Save(const TExportRequest& request) {
  const std::atomic<bool> cancel{false};
  return ExportSong(request, [](double) {}, cancel);
}

// At the saved loudness, or as loud as the true-peak ceiling lets it be.
void ExpectSavedLevel(const std::string& path, double peakMargin) {
  const testing::TLoudness l = testing::MeasureLoudness(path);
  EXPECT_LE(l.truePeakDb, kSavedTruePeakDb + peakMargin) << path;
  EXPECT_LE(l.integratedLufs, kSavedLoudnessLufs + 0.5) << path;
  const bool atLoudness = l.integratedLufs >= kSavedLoudnessLufs - 0.5;
  const bool atPeak = l.truePeakDb >= kSavedTruePeakDb - 0.5;
  EXPECT_TRUE(atLoudness || atPeak) << path << ": " << l.integratedLufs << " LUFS, " << l.truePeakDb << " dBTP";
}

TEST(SongExport, SavedSoundIsLevelledAndPlaysTheGuideMelodyAsChosen) {
  testing::TempDir dir;
  const std::string flac = dir.File("song.flac");
  ASSERT_TRUE(Save(Request(flac)));
  ExpectSavedLevel(flac, 0.1);

  // A song that is only its tune: with the guide melody off nothing sounds.
  TExportRequest tune = Request(dir.File("tune.wav"), false);
  ASSERT_TRUE(Save(tune));
  EXPECT_GT(testing::WavPeak(tune.target), 10000);
  tune.play.melodyPercent = 0;
  ASSERT_TRUE(Save(tune));
  EXPECT_EQ(testing::WavPeak(tune.target), 0);
}

TEST(SongExport, SavedVideoShowsTheTitleCardAndIsLevelled) {
  testing::TempDir dir;
  TExportRequest request = Request(dir.File("song.mp4"));
  request.kind = TExportKind::Video;
  request.videoSize = QSize(320, 240);
  request.title = {1027, "Песня", "Певец"};
  ASSERT_TRUE(Save(request));
  // AAC may overshoot a little between samples.
  ExpectSavedLevel(request.target, 0.3);

  // Half a second in, the introduction: the card's band (40..230 of 600) has ink.
  TFilmDecoder video(request.target, QSize(320, 240));
  TFilmFrame frame;
  for (int i = 0; i <= 12; ++i) ASSERT_TRUE(video.Next(frame));
  int ink = 0;
  for (int y = 16; y < 92; ++y)
    for (int x = 0; x < 320; ++x) ink += qGray(frame.image.pixel(x, y)) > 128;
  EXPECT_GT(ink, 100);
}

TEST(SongExport, OnlyACompleteSaveChangesTheFolder) {
  testing::TempDir dir;
  const std::string target = dir.File("song.wav");
  // The user's own files: one named as scratch files once were, and the target.
  testing::WriteFile(dir.File("song.part.wav"), "mine");
  testing::WriteFile(target, "old");
  ::chmod(target.c_str(), 0640);
  const std::set<std::string> before = Listing(dir.path());

  TExportRequest request = Request(target);
  std::atomic<bool> cancel{false};
  EXPECT_FALSE(ExportSong(request, [&](double done) { if (done > 0.6) cancel = true; }, cancel));
  EXPECT_EQ(Listing(dir.path()), before) << "cancelled";
  EXPECT_EQ(testing::ReadFile(target), "old");

  TExportRequest broken = request;
  broken.play.soundFont = dir.File("missing.sf2");
  EXPECT_THROW(Save(broken), Error);
  TExportRequest badFilm = request;
  badFilm.kind = TExportKind::Video;
  badFilm.film = dir.File("song.part.wav");  // not a film
  EXPECT_THROW(Save(badFilm), Error);
  EXPECT_EQ(Listing(dir.path()), before) << "failed";
  EXPECT_EQ(testing::ReadFile(target), "old");

  ASSERT_TRUE(Save(request));
  EXPECT_EQ(Listing(dir.path()), before) << "saved over the old file, nothing beside it";
  EXPECT_EQ(testing::ReadFile(target).substr(0, 4), "RIFF");
  EXPECT_EQ(testing::ReadFile(dir.File("song.part.wav")), "mine");
  struct stat st{};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u) << "the replaced file's permissions";

  // A folder that cannot be written to names it.
  try {
    Save(Request(dir.File("no/such/folder/song.wav")));
    ADD_FAILURE() << "saved into a missing folder";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("no/such/folder"), std::string::npos) << e.what();
  }
}

// The process's own memory, in kB: what a save's buffers and synthesizer take.
long AnonymousKb() {
  std::ifstream rollup("/proc/self/smaps_rollup");
  std::string line;
  while (std::getline(rollup, line))
    if (line.rfind("Anonymous:", 0) == 0) return std::stol(line.substr(10));
  return -1;
}

TEST(SongExport, ASaveGivesItsMemoryBack) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's allocator keeps freed memory in quarantine, glibc's is measured";
#endif
  KeepFreedMemoryReturnable();
  testing::TempDir dir;
  // As in the player: a synthesizer with the SoundFont loaded stays meanwhile.
  TNoLyrics noLyrics;
  TOneSong song(testing::ExportSong(true));
  TSongRender player(song, 0, {}, noLyrics);
  const long before = AnonymousKb();
  ASSERT_GT(before, 0);
  for (int i = 0; i < 2; ++i) {
    // On a worker, as the player saves: glibc gives the thread a heap of its own.
    std::thread worker([&] { Save(Request(dir.File("song.flac"))); });
    worker.join();
    ReturnFreedMemory();
    EXPECT_LE(AnonymousKb(), before + 5 * 1024) << "after save " << i + 1;
  }
}

}  // namespace
}  // namespace lyrova
