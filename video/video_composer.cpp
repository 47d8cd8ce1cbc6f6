#include "video/video_composer.h"

#include <utility>

#include "video/film_player.h"
#include "video/song_picture.h"

namespace lyrova {

TVideoComposer::TVideoComposer(std::function<TLyricLook()> look) : page_(std::move(look)) {}

TVideoComposer::~TVideoComposer() = default;

HResult TVideoComposer::Open(std::function<void()> presented, int width, int height) {
  {
    std::lock_guard lock(filmMutex_);
    size_ = QSize(width, height);
  }
  const HResult hr = display_.OpenWindowed(std::move(presented), width, height);
  if (hr != S_OK) return hr;
  display_.FillBack(0);
  return page_.CreateSurface(display_);
}

void TVideoComposer::SetRecording(const TRecordedFiles* files) {
  std::shared_ptr<TSongPicture> picture;
  if (files) picture = TSongPicture::Open(*files);
  std::lock_guard lock(filmMutex_);
  // The old picture goes here, or on the composing thread if a tick holds it.
  songPicture_ = std::move(picture);
}

bool TVideoComposer::DrawSongPicture(std::int32_t songTime, bool wait) {
  std::shared_ptr<TSongPicture> picture;
  {
    std::lock_guard lock(filmMutex_);
    picture = songPicture_;
  }
  // Between songs (song time 0) the film comes back.
  if (!picture || songTime <= 0) return false;
  const std::int64_t us = std::int64_t{songTime} * 1'000'000 / kRecordedMusicTimePerSecond;
  const QImage& image = picture->At(us, QSize(display_.Width(), display_.Height()), wait);
  display_.BackBuffer()->PaintBitmap(&image, 0, 0, 0, 0);
  return true;
}

void TVideoComposer::SetLyrics(const std::vector<std::string>& lines) { page_.SetLyrics(lines); }

void TVideoComposer::SetTiming(const TimingPairs& timing) { page_.SetTiming(timing); }

void TVideoComposer::Resize(QSize size) {
  if (size.isEmpty()) return;
  std::lock_guard lock(filmMutex_);
  size_ = size;
}

void TVideoComposer::StartFilm(const std::string& path) {
  StopFilm();
  QSize size;
  {
    std::lock_guard lock(filmMutex_);
    size = size_;
  }
  // Pictures come at the picture's size, so a tick only copies them.
  auto player = std::make_shared<TFilmPlayer>(path, size);
  std::lock_guard lock(filmMutex_);
  const auto now = std::chrono::steady_clock::now();
  film_ = {std::move(player), now, film_.pausedAt ? std::optional(now) : std::nullopt};
}

void TVideoComposer::SetFilmPaused(bool paused) {
  std::lock_guard lock(filmMutex_);
  const auto now = std::chrono::steady_clock::now();
  if (paused && !film_.pausedAt) film_.pausedAt = now;
  if (!paused && film_.pausedAt) {
    // The film's clock skips the time it stood still.
    film_.started += now - *film_.pausedAt;
    film_.pausedAt.reset();
  }
}

void TVideoComposer::StopFilm() {
  RunningFilm old;
  {
    std::lock_guard lock(filmMutex_);
    old = std::exchange(film_, {nullptr, {}, film_.pausedAt});
  }
  // `old` goes here, or on the composing thread if a tick still holds it.
}

bool TVideoComposer::FilmRunning() const {
  std::lock_guard lock(filmMutex_);
  return film_.player != nullptr;
}

TVideoComposer::RunningFilm TVideoComposer::CurrentFilm() const {
  std::lock_guard lock(filmMutex_);
  return film_;
}

void TVideoComposer::Tick(std::int32_t songTime) {
  const RunningFilm film = CurrentFilm();
  const auto elapsed = film.pausedAt.value_or(std::chrono::steady_clock::now()) - film.started;
  Compose(songTime, film, std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count(),
          false);
}

void TVideoComposer::ComposeAt(std::int32_t songTime, std::int64_t filmTimeUs) {
  Compose(songTime, CurrentFilm(), filmTimeUs, true);
}

void TVideoComposer::ApplySize(const RunningFilm& film) {
  QSize size;
  {
    std::lock_guard lock(filmMutex_);
    size = size_;
  }
  if (size == QSize(display_.Width(), display_.Height())) return;
  if (display_.Resize(size.width(), size.height()) != S_OK) return;
  if (film.player) film.player->SetOutputSize(size);
}

void TVideoComposer::DrawTitle(std::int32_t songTime) {
  const auto snapshot = page_.Snapshot();
  if (!snapshot || !snapshot->lines || snapshot->lines->empty()) return;
  const float opacity = TTitleCard::Opacity(songTime, TLyricPage::FirstSungStart(*snapshot));
  if (opacity <= 0.0f) return;
  const TLline& intro = snapshot->lines->front();
  titleCard_.Draw(*display_.BackBuffer(), TPictureScale::For(display_.Width(), display_.Height()),
                  {intro.FontName(), intro.Color2(), intro.Shadow()}, opacity);
}

void TVideoComposer::Compose(std::int32_t songTime, const RunningFilm& film,
                             std::int64_t filmTimeUs, bool wait) {
  ApplySize(film);
  TSurface* back = display_.BackBuffer();
  if (back == nullptr) return;
  if (DrawSongPicture(songTime, wait)) {
    // The recording's picture is the song's own: no film under it.
  } else if (film.player) {
    back->PaintBitmap(film.player->FrameAt(filmTimeUs, wait), 0, 0, 0, 0);
  } else {
    // Without a film the lyrics would pile up over the last picture.
    display_.FillBack(0);
  }
  page_.DrawLyrics(display_, songTime);
  DrawTitle(songTime);
  // Song time is 0 exactly while no song plays.
  upNext_.Draw(*back, TPictureScale::For(display_.Width(), display_.Height()), songTime == 0);
  display_.ShowFrame();
}

}  // namespace lyrova
