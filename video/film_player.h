#pragma once
// TFilmPlayer: a film decoded ahead on its own thread into a small queue of
// timestamped pictures. The drawing thread asks for the picture due at a
// film time and never waits for the decoder (unless asked to, for offline
// rendering); pictures whose time has passed are dropped.

#include <QImage>
#include <QSize>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "video/film_decoder.h"

namespace lyrova {

class TFilmPlayer {
 public:
  // Opens the film and decodes its first picture before returning; throws
  // lyrova::Error saying why when it cannot. Pictures come at `outputSize`
  // (the film's own size when empty).
  TFilmPlayer(const std::string& path, QSize outputSize, int queueFrames = 4);
  ~TFilmPlayer();
  TFilmPlayer(const TFilmPlayer&) = delete;
  TFilmPlayer& operator=(const TFilmPlayer&) = delete;

  QSize FilmSize() const { return filmSize_; }

  // One drawing thread: the picture due at film time `us` (microseconds from
  // the first picture). Never null. With `wait`, blocks until the decoder has
  // reached that time, so every call sees the same picture for the same time.
  // Without it, a film that has fallen far behind its time picks up from the
  // picture it has rather than racing to catch up.
  const QImage* FrameAt(std::int64_t us, bool wait = false);

  // Drawing thread: pictures decoded from now on come at `size`; those
  // already queued keep theirs.
  void SetOutputSize(QSize size);

  // True once the decoder has stopped for good (the film broke off).
  bool Broken() const;

 private:
  void Decode();

  std::unique_ptr<TFilmDecoder> decoder_;  // decoding thread
  QSize filmSize_;
  const std::size_t capacity_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<TFilmFrame> queue_;
  std::vector<QImage> spare_;  // buffers handed back for reuse
  bool stop_ = false;
  bool broken_ = false;
  QSize wantedSize_;  // the size the decoding thread is to switch to

  TFilmFrame current_;         // drawing thread
  std::int64_t lagShiftUs_ = 0;  // drawing thread
  std::thread thread_;
};

}  // namespace lyrova
