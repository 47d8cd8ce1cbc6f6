#pragma once
// TVideoComposer: the singer's picture without the window. It owns the back
// buffer, the lyric page and the running film, and composes one picture per
// tick: the film frame due now (or black while no film runs), the lyric page
// for the song time and the song's title card, then presents it, all at the
// picture's size in device pixels (the 800 x 600 design scaled uniformly,
// the film filling the picture). The window and the offline renderer both
// draw through it.

#include <QSize>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "display/display.h"
#include "playback/song_targets.h"
#include "video/lyric_page.h"
#include "video/title_card.h"
#include "video/up_next_layer.h"

namespace lyrova {

class TFilmPlayer;
class TSongPicture;

class TVideoComposer : public ILyricTarget {
 public:
  // The design size, and the picture's size until Resize says otherwise.
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  // `look` is asked for the font, colours and line count whenever a song's
  // lines are laid out (main thread).
  explicit TVideoComposer(std::function<TLyricLook()> look);
  ~TVideoComposer() override;

  // Makes the back buffer (black) and the lyric area. `presented` runs on
  // the composing thread after every picture, e.g. to ask for a repaint.
  HResult Open(std::function<void()> presented, int width = kWidth, int height = kHeight);

  TDisplay& Display() { return display_; }
  TLyricPage& Page() { return page_; }

  // Any thread: the picture's size in device pixels from the next picture on.
  void Resize(QSize size);

  // Main thread.
  void SetTitle(const TSongTitle& title) { titleCard_.Set(title); }
  // The singer queue's card between songs and its line during a song.
  void SetUpNext(TUpNext upNext) { upNext_.Set(std::move(upNext)); }
  // A recorded song's picture takes the film's place while the song plays.
  // Throws lyrova::Error saying why (CP1251) when it cannot be opened.
  void SetRecording(const TRecordedFiles* files) override;
  void SetLyrics(const std::vector<std::string>& lines) override;
  void SetTiming(const TimingPairs& timing) override;
  // Stops any running film, then opens `path` and starts it from its first
  // picture. Throws lyrova::Error saying why (CP1251) when it cannot be
  // played; no film runs then.
  void StartFilm(const std::string& path);
  void StopFilm();
  bool FilmRunning() const;
  // While the song is paused the film holds its picture, and goes on from it.
  void SetFilmPaused(bool paused);

  // Composing thread: one picture for song time `songTime`, the film shown
  // at the time it has run since it started.
  void Tick(std::int32_t songTime);
  // Offline: the film shown at `filmTimeUs`, decoded up to there first.
  void ComposeAt(std::int32_t songTime, std::int64_t filmTimeUs);

 private:
  struct RunningFilm {
    std::shared_ptr<TFilmPlayer> player;
    std::chrono::steady_clock::time_point started;
    std::optional<std::chrono::steady_clock::time_point> pausedAt;
  };
  RunningFilm CurrentFilm() const;
  void Compose(std::int32_t songTime, const RunningFilm& film, std::int64_t filmTimeUs, bool wait);
  // The song's own picture for song time `songTime`; false when there is none.
  bool DrawSongPicture(std::int32_t songTime, bool wait);
  void ApplySize(const RunningFilm& film);
  void DrawTitle(std::int32_t songTime);

  TDisplay display_;
  TLyricPage page_;
  TTitleCard titleCard_;
  TUpNextLayer upNext_;
  mutable std::mutex filmMutex_;
  RunningFilm film_;
  std::shared_ptr<TSongPicture> songPicture_;  // under filmMutex_
  QSize size_{kWidth, kHeight};  // the size asked for, under filmMutex_
};

}  // namespace lyrova
