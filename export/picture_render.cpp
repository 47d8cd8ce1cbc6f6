#include "export/picture_render.h"

#include "catalog/errors.h"
#include "export/karaoke_video_writer.h"
#include "video/settings_look.h"

namespace lyrova {

TPictureRender::TPictureRender(const std::string& film, QSize size) : composer_(LookFromSettings) {
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

const QImage& TPictureRender::ComposeAt(std::int64_t sample) {
  const std::int32_t songTime = SongTimeBetween(prevPos_, prevTime_, lastPos_, lastTime_, sample);
  composer_.ComposeAt(songTime, sample * 1000000 / sampleRate_);
  return composer_.Display().BackBuffer()->Image();
}

void TPictureRender::Step(const TRenderStep& step) {
  prevPos_ = lastPos_;
  prevTime_ = lastTime_;
  lastPos_ = step.samplePos;
  lastTime_ = step.songTime;
  if (step.samplePos == 0) {
    prevTime_ = step.songTime;
  }
  if (stillSample_ && !stillDone_ && *stillSample_ <= step.samplePos) {
    if (!ComposeAt(*stillSample_).save(QString::fromStdString(stillPng_), "PNG")) {
      throw Error("cannot write " + stillPng_);
    }
    stillDone_ = true;
  }
  if (video_ != nullptr) {
    while (true) {
      const std::int64_t sample = nextPicture_ * sampleRate_ / framesPerSecond_;
      if (sample > step.samplePos) break;
      video_->AddPicture(ComposeAt(sample));
      ++nextPicture_;
    }
    video_->AddSound(step.left, step.right);
  }
}

void TPictureRender::Finish() {
  if (stillSample_ && !stillDone_) {
    throw Error("the song is shorter than " + std::to_string(stillMs_) + " ms");
  }
}

}  // namespace lyrova
