#include "video/video_composer.h"

#include <utility>

#include "video/film_player.h"

namespace lyrova {

TVideoComposer::TVideoComposer(std::function<TLyricLook()> look) : page_(std::move(look)) {}

TVideoComposer::~TVideoComposer() = default;

HResult TVideoComposer::Open(std::function<void()> presented, int width, int height) {
  const HResult hr = display_.OpenWindowed(std::move(presented), width, height);
  if (hr != S_OK) return hr;
  display_.FillBack(0);
  return page_.CreateSurface(display_);
}

void TVideoComposer::SetLyrics(const std::vector<std::string>& lines) { page_.SetLyrics(lines); }

void TVideoComposer::SetTiming(const std::vector<std::uint8_t>& pairs) { page_.SetTiming(pairs); }

void TVideoComposer::StartFilm(const std::string& path) {
  StopFilm();
  // Pictures come at the back buffer's size, so a tick only copies them.
  auto player = std::make_shared<TFilmPlayer>(path, QSize(display_.Width(), display_.Height()));
  std::lock_guard lock(filmMutex_);
  film_ = {std::move(player), std::chrono::steady_clock::now()};
}

void TVideoComposer::StopFilm() {
  RunningFilm old;
  {
    std::lock_guard lock(filmMutex_);
    old = std::exchange(film_, {});
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
  const auto elapsed = std::chrono::steady_clock::now() - film.started;
  Compose(songTime, film, std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count(),
          false);
}

void TVideoComposer::ComposeAt(std::int32_t songTime, std::int64_t filmTimeUs) {
  Compose(songTime, CurrentFilm(), filmTimeUs, true);
}

void TVideoComposer::Compose(std::int32_t songTime, const RunningFilm& film,
                             std::int64_t filmTimeUs, bool wait) {
  TSurface* back = display_.BackBuffer();
  if (back == nullptr) return;
  if (film.player) {
    back->PaintBitmap(film.player->FrameAt(filmTimeUs, wait), 0, 0, 0, 0);
  } else {
    // Without a film the lyrics would pile up over the last picture.
    display_.FillBack(0);
  }
  page_.DrawLyrics(display_, songTime);
  display_.ShowFrame();
}

}  // namespace lyrova
