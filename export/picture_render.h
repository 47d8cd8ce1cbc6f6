#pragma once
// The singer's picture beside an offline render: the video window's own
// composition (film, lyric page), driven by the rendered song's time, saved
// as a still at one moment and/or written picture by picture into a video.

#include <cstdint>
#include <optional>
#include <string>

#include "playback/offline_render.h"
#include "video/video_composer.h"

namespace lyrova {

class TKaraokeVideoWriter;

class TPictureRender {
 public:
  // `film`: the background film, "" for black; pictures of `size`. Needs a
  // QGuiApplication. Throws lyrova::Error when the film cannot be played.
  explicit TPictureRender(const std::string& film,
                          QSize size = QSize(TVideoComposer::kWidth, TVideoComposer::kHeight));

  ILyricTarget& Lyrics() { return composer_; }

  void Begin(int sampleRate);
  // The picture at `ms` of rendered sound goes to `png`.
  void SaveStillAt(std::int64_t ms, std::string png);
  // Every picture, `framesPerSecond` of them per second of sound, goes to `video`.
  void WriteVideo(TKaraokeVideoWriter* video, int framesPerSecond);

  // Every render step, in order.
  void Step(const TRenderStep& step);
  // After the last step; throws when the still's moment was never reached.
  void Finish();

  // The song time at a sample position inside the last two steps: between
  // steps it is interpolated, across a song's start or end it is the nearer one.
  static std::int32_t SongTimeBetween(std::int64_t pos0, std::int32_t t0, std::int64_t pos1,
                                      std::int32_t t1, std::int64_t at);

 private:
  const QImage& ComposeAt(std::int64_t sample);

  TVideoComposer composer_;
  int sampleRate_ = 44100;
  std::int64_t prevPos_ = 0;
  std::int32_t prevTime_ = 0;
  std::int64_t lastPos_ = 0;
  std::int32_t lastTime_ = 0;

  std::optional<std::int64_t> stillSample_;
  std::int64_t stillMs_ = 0;
  std::string stillPng_;
  bool stillDone_ = false;

  TKaraokeVideoWriter* video_ = nullptr;
  int framesPerSecond_ = 25;
  std::int64_t nextPicture_ = 0;
};

}  // namespace lyrova
