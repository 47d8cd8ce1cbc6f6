#include "export/song_export.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <optional>

#include "catalog/errors.h"
#include "export/flac_writer.h"
#include "export/karaoke_video_writer.h"
#include "export/picture_render.h"
#include "export/song_render.h"
#include "export/wav_writer.h"

namespace lyrova {
namespace {

constexpr int kFramesPerSecond = 25;

struct TCancelled {};

// FLAC for a name ending in ".flac" in any letter case, WAV for any other.
std::unique_ptr<ISoundFile> CreateSoundFile(const std::string& target, const std::string& path, int sampleRate) {
  std::string extension = std::filesystem::path(target).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".flac") return CreateFlacFile(path, sampleRate);
  return std::make_unique<TWavWriter>(path, sampleRate);
}

// The partial file, removed unless it was kept.
class TPartialFile {
 public:
  explicit TPartialFile(std::string path) : path_(std::move(path)) {}
  ~TPartialFile() {
    std::error_code ec;
    if (!kept_) std::filesystem::remove(path_, ec);
  }
  const std::string& Path() const { return path_; }
  void KeepAs(const std::string& target) {
    std::filesystem::rename(path_, target);
    kept_ = true;
  }

 private:
  std::string path_;
  bool kept_ = false;
};

}  // namespace

std::string PartialName(const std::string& target) {
  const std::filesystem::path path(target);
  return (path.parent_path() / (path.stem().string() + ".part" + path.extension().string())).string();
}

bool ExportSong(const TExportRequest& request, const std::function<void(double)>& progress,
                const std::atomic<bool>& cancel) {
  TPartialFile partial(PartialName(request.target));
  const bool video = request.kind == TExportKind::Video;
  std::optional<TPictureRender> picture;
  if (video) picture.emplace(request.film, request.videoSize);
  TNoLyrics noLyrics;
  TOneSong song(request.song);
  TSongRender session(song, 0, request.play, picture ? picture->Lyrics() : noLyrics);

  std::unique_ptr<ISoundFile> sound;
  std::optional<TKaraokeVideoWriter> mp4;
  if (video) {
    mp4.emplace(partial.Path(), request.videoSize.width(), request.videoSize.height(), kFramesPerSecond,
                session.SampleRate());
    picture->Begin(session.SampleRate());
    picture->WriteVideo(&*mp4, kFramesPerSecond);
  } else {
    sound = CreateSoundFile(request.target, partial.Path(), session.SampleRate());
  }
  try {
    session.Run([&](const TRenderStep& step) {
      if (cancel.load(std::memory_order_relaxed)) throw TCancelled{};
      if (sound) sound->Write(step.left, step.right);
      if (picture) picture->Step(step);
      progress(session.Done());
    });
  } catch (const TCancelled&) {
    return false;
  }
  if (sound) sound->Close();
  if (picture) picture->Finish();
  if (mp4) mp4->Close();
  mp4.reset();
  sound.reset();
  partial.KeepAs(request.target);
  return true;
}

}  // namespace lyrova
