#include "video/film_player.h"

#include <algorithm>
#include <utility>

#include "catalog/errors.h"

namespace lyrova {
namespace {

// Further behind than this, the film stops chasing its clock (after the
// clock was held up, for example while the user chose a film).
constexpr std::int64_t kMaxLagUs = 500000;

}  // namespace

TFilmPlayer::TFilmPlayer(const std::string& path, QSize outputSize, int queueFrames)
    : decoder_(std::make_unique<TFilmDecoder>(path, outputSize)),
      filmSize_(decoder_->FilmSize()),
      capacity_(static_cast<std::size_t>(std::max(1, queueFrames))) {
  if (!decoder_->Next(current_)) throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "a frame of the video cannot be shown")));
  thread_ = std::thread([this] { Decode(); });
}

TFilmPlayer::~TFilmPlayer() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void TFilmPlayer::Decode() {
  while (true) {
    TFilmFrame frame;
    QSize size;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return stop_ || queue_.size() < capacity_; });
      if (stop_) return;
      size = std::exchange(wantedSize_, QSize());
      if (!spare_.empty()) {
        frame.image = std::move(spare_.back());
        spare_.pop_back();
      }
    }
    if (!size.isEmpty()) decoder_->SetOutputSize(size);
    const bool ok = decoder_->Next(frame);
    {
      std::lock_guard lock(mutex_);
      if (ok) {
        queue_.push_back(std::move(frame));
      } else {
        broken_ = true;
      }
    }
    changed_.notify_all();
    if (!ok) return;
  }
}

const QImage* TFilmPlayer::FrameAt(std::int64_t us, bool wait) {
  std::unique_lock lock(mutex_);
  if (!wait) {
    us -= lagShiftUs_;
    if (!queue_.empty() && queue_.front().timeUs + kMaxLagUs < us) {
      lagShiftUs_ += us - queue_.front().timeUs;
      us = queue_.front().timeUs;
    }
  }
  bool took = false;
  while (true) {
    while (!queue_.empty() && queue_.front().timeUs <= us) {
      spare_.push_back(std::move(current_.image));
      current_ = std::move(queue_.front());
      queue_.pop_front();
      took = true;
    }
    if (!wait || !queue_.empty() || broken_) break;
    if (took) changed_.notify_all();  // room in the queue for the decoder
    changed_.wait(lock, [&] { return !queue_.empty() || broken_; });
  }
  lock.unlock();
  if (took) changed_.notify_all();
  return &current_.image;
}

void TFilmPlayer::SetOutputSize(QSize size) {
  {
    std::lock_guard lock(mutex_);
    wantedSize_ = size;
  }
  changed_.notify_all();
}

bool TFilmPlayer::Broken() const {
  std::lock_guard lock(mutex_);
  return broken_;
}

}  // namespace lyrova
