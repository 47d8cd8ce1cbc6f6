#include "export/song_export.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "export/flac_writer.h"
#include "export/karaoke_video_writer.h"
#include "export/loudness.h"
#include "export/picture_render.h"
#include "export/saved_file.h"
#include "export/wav_writer.h"

namespace lyrova {
namespace {

constexpr int kFramesPerSecond = 25;
// The share of the progress bar the measuring pass takes: the render alone,
// against the render with the encoding.
constexpr double kMeasureShareSound = 0.4;
constexpr double kMeasureShareVideo = 0.1;

struct TCancelled {};

// FLAC for a name ending in ".flac" in any letter case, WAV for any other.
std::unique_ptr<ISoundFile> CreateSoundFile(const std::string& target, const std::string& path, int sampleRate) {
  std::string extension = std::filesystem::path(target).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".flac") return CreateFlacFile(path, sampleRate);
  return std::make_unique<TWavWriter>(path, sampleRate);
}

// The first pass: the song's sound alone, measured for the gain of the second.
float MeasureGain(ISongSource& song, const TPlaySettings& play, const std::function<void(double)>& progress,
                  const std::atomic<bool>& cancel) {
  TNoLyrics noLyrics;
  TSongRender render(song, 0, play, noLyrics);
  TLoudnessMeter meter(render.SampleRate());
  render.Run([&](const TRenderStep& step) {
    if (cancel.load(std::memory_order_relaxed)) throw TCancelled{};
    meter.Add(step.left, step.right);
    progress(render.Done());
  });
  return SavedGain(meter.IntegratedLufs(), meter.TruePeakDb());
}

// The second pass: the same render, levelled, into the file.
void WriteSong(ISongSource& song, const TExportRequest& request, const std::string& path, float gain,
               const std::function<void(double)>& progress, const std::atomic<bool>& cancel) {
  const bool video = request.kind == TExportKind::Video;
  std::optional<TPictureRender> picture;
  if (video) {
    picture.emplace(request.film, request.videoSize, request.look);
    picture->SetTitle(request.title);
    picture->SetLyricDelay(request.lyricOffsetMs);
  }
  TNoLyrics noLyrics;
  TSongRender render(song, 0, request.play, picture ? picture->Lyrics() : noLyrics);
  std::unique_ptr<ISoundFile> sound;
  std::optional<TKaraokeVideoWriter> mp4;
  if (video) {
    mp4.emplace(path, request.videoSize.width(), request.videoSize.height(), kFramesPerSecond, render.SampleRate());
    picture->Begin(render.SampleRate());
    picture->WriteVideo(&*mp4, kFramesPerSecond);
  } else {
    sound = CreateSoundFile(request.target, path, render.SampleRate());
  }
  std::vector<float> left;
  std::vector<float> right;
  render.Run([&](const TRenderStep& step) {
    if (cancel.load(std::memory_order_relaxed)) throw TCancelled{};
    left.resize(step.left.size());
    right.resize(step.right.size());
    std::transform(step.left.begin(), step.left.end(), left.begin(), [gain](float v) { return v * gain; });
    std::transform(step.right.begin(), step.right.end(), right.begin(), [gain](float v) { return v * gain; });
    if (sound) sound->Write(left, right);
    if (picture) picture->Step({step.samplePos, step.songTime, left, right});
    progress(render.Done());
  });
  if (sound) sound->Close();
  if (picture) picture->Finish();
  if (mp4) mp4->Close();
}

}  // namespace

bool ExportSong(const TExportRequest& request, const std::function<void(double)>& progress,
                const std::atomic<bool>& cancel) {
  TSavedFile file(request.target);
  TOneSong song(request.song);
  const double share = request.kind == TExportKind::Video ? kMeasureShareVideo : kMeasureShareSound;
  try {
    const float gain = MeasureGain(song, request.play, [&](double done) { progress(done * share); }, cancel);
    WriteSong(song, request, file.Path(), gain, [&](double done) { progress(share + done * (1 - share)); }, cancel);
  } catch (const TCancelled&) {
    return false;
  }
  file.Commit();
  return true;
}

}  // namespace lyrova
