#pragma once
// The singer's picture beside an offline render: the video window's own
// composition (film, lyric page, title card), driven by the rendered song's
// time, saved as a still at one moment and/or written picture by picture
// into a video.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "playback/offline_render.h"
#include "video/settings_look.h"
#include "video/video_composer.h"

namespace lyrova {

class TKaraokeVideoWriter;

class TPictureRender {
 public:
  // `film`: the background film, "" for black; pictures of `size` with the
  // lyric `look`. Needs a QGuiApplication. Throws lyrova::Error when the
  // film cannot be played.
  explicit TPictureRender(const std::string& film,
                          QSize size = QSize(TVideoComposer::kWidth, TVideoComposer::kHeight),
                          TLyricLook look = LookFromSettings());

  ILyricTarget& Lyrics() { return composer_; }
  void SetTitle(const TSongTitle& title) { composer_.SetTitle(title); }
  // The lyrics run `ms` behind the sound (ahead when negative), as the
  // player's lyric offset makes them.
  void SetLyricDelay(int ms) { delayMs_ = ms; }

  void Begin(int sampleRate);
  // The picture at `ms` of rendered sound goes to `png`.
  void SaveStillAt(std::int64_t ms, std::string png);
  // Every picture, `framesPerSecond` of them per second of sound, goes to `video`.
  void WriteVideo(TKaraokeVideoWriter* video, int framesPerSecond);

  // Every render step, in order.
  void Step(const TRenderStep& step);
  // After the last step: the pictures that waited for song time past the
  // sound's end; throws when the still's moment was never reached.
  void Finish();

  // The song time at a sample position inside two steps: between steps it
  // is interpolated, across a song's start or end it is the nearer one.
  static std::int32_t SongTimeBetween(std::int64_t pos0, std::int32_t t0, std::int64_t pos1,
                                      std::int32_t t1, std::int64_t at);

 private:
  struct Moment {
    std::int64_t pos;
    std::int32_t time;
  };
  std::int64_t DelaySamples() const { return std::int64_t{delayMs_} * sampleRate_ / 1000; }
  // The song time at a sample, from the steps kept.
  std::int32_t SongTimeAt(std::int64_t sample) const;
  const QImage& ComposeAt(std::int64_t sample);
  // Stills and pictures up to sample `upTo` whose song time is known by `known`.
  void Emit(std::int64_t upTo, std::int64_t known);
  void Forget();

  TVideoComposer composer_;
  int sampleRate_ = 44100;
  int delayMs_ = 0;
  std::deque<Moment> steps_;  // from the oldest a picture still needs

  std::optional<std::int64_t> stillSample_;
  std::int64_t stillMs_ = 0;
  std::string stillPng_;
  bool stillDone_ = false;

  TKaraokeVideoWriter* video_ = nullptr;
  int framesPerSecond_ = 25;
  std::int64_t nextPicture_ = 0;
};

}  // namespace lyrova
