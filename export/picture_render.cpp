#include "export/picture_render.h"

#include <algorithm>
#include <limits>

#include "catalog/errors.h"
#include "export/karaoke_video_writer.h"

namespace lyrova {

TPictureRender::TPictureRender(const std::string& film, QSize size, TLyricLook look)
    : composer_([look = std::move(look)] { return look; }) {
  composer_.Resize(size);
  if (composer_.Open(nullptr, size.width(), size.height()) != S_OK) throw Error("cannot make the picture buffer");
  if (!film.empty()) composer_.StartFilm(film);
}

void TPictureRender::Begin(int sampleRate) { sampleRate_ = sampleRate; }

void TPictureRender::SaveStillAt(std::int64_t ms, std::string png) {
  stillMs_ = ms;
  stillSample_ = ms * sampleRate_ / 1000;
  stillPng_ = std::move(png);
}

void TPictureRender::WriteVideo(TKaraokeVideoWriter* video, int framesPerSecond) {
  video_ = video;
  framesPerSecond_ = framesPerSecond;
}

std::int32_t TPictureRender::SongTimeBetween(std::int64_t pos0, std::int32_t t0,
                                             std::int64_t pos1, std::int32_t t1,
                                             std::int64_t at) {
  if (at >= pos1) return t1;
  if (at <= pos0 || pos1 <= pos0) return t0;
  // 0 means no song: a start or an end lies between the steps, not a slope.
  if (t0 == 0 || t1 == 0 || t1 < t0) return at - pos0 < pos1 - at ? t0 : t1;
  return static_cast<std::int32_t>(t0 + (std::int64_t{t1} - t0) * (at - pos0) / (pos1 - pos0));
}

std::int32_t TPictureRender::SongTimeAt(std::int64_t sample) const {
  if (steps_.empty()) return 0;
  if (sample <= steps_.front().pos) return steps_.front().time;
  for (std::size_t i = 1; i < steps_.size(); ++i) {
    if (steps_[i].pos >= sample)
      return SongTimeBetween(steps_[i - 1].pos, steps_[i - 1].time, steps_[i].pos, steps_[i].time, sample);
  }
  return steps_.back().time;
}

const QImage& TPictureRender::ComposeAt(std::int64_t sample) {
  composer_.ComposeAt(SongTimeAt(sample - DelaySamples()), sample * 1000000 / sampleRate_);
  return composer_.Display().BackBuffer()->Image();
}

void TPictureRender::Emit(std::int64_t upTo, std::int64_t known) {
  const auto ready = [&](std::int64_t sample) { return sample <= upTo && sample - DelaySamples() <= known; };
  if (stillSample_ && !stillDone_ && ready(*stillSample_)) {
    if (!ComposeAt(*stillSample_).save(QString::fromStdString(stillPng_), "PNG")) {
      throw Error("cannot write " + stillPng_);
    }
    stillDone_ = true;
  }
  while (video_ != nullptr) {
    const std::int64_t sample = nextPicture_ * sampleRate_ / framesPerSecond_;
    if (!ready(sample)) break;
    video_->AddPicture(ComposeAt(sample));
    ++nextPicture_;
  }
}

void TPictureRender::Forget() {
  std::int64_t needed = std::numeric_limits<std::int64_t>::max();
  if (stillSample_ && !stillDone_) needed = *stillSample_;
  if (video_ != nullptr) needed = std::min(needed, nextPicture_ * sampleRate_ / framesPerSecond_);
  if (needed != std::numeric_limits<std::int64_t>::max()) needed -= DelaySamples();
  while (steps_.size() > 2 && steps_[1].pos <= needed) steps_.pop_front();
}

void TPictureRender::Step(const TRenderStep& step) {
  steps_.push_back({step.samplePos, step.songTime});
  Emit(step.samplePos, step.samplePos);
  if (video_ != nullptr) video_->AddSound(step.left, step.right);
  Forget();
}

void TPictureRender::Finish() {
  // Past the sound's end the song time is the last one rendered.
  if (!steps_.empty()) Emit(steps_.back().pos, std::numeric_limits<std::int64_t>::max());
  if (stillSample_ && !stillDone_) {
    throw Error("the song is shorter than " + std::to_string(stillMs_) + " ms");
  }
}

}  // namespace lyrova
