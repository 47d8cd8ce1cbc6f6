#pragma once
// The now-playing line of the main window, refreshed five times a second.

#include <QLabel>
#include <QTimer>
#include <functional>
#include <optional>

#include "session/now_playing.h"

namespace lyrova {

class TNowPlayingLine : public QLabel {
 public:
  // `song` is asked on every refresh and must be cheap; nothing when no
  // song plays, and the line is empty then.
  TNowPlayingLine(std::function<std::optional<TNowPlaying>()> song, QWidget* parent);

  void Refresh();

 private:
  std::function<std::optional<TNowPlaying>()> song_;
  QTimer timer_;
};

}  // namespace lyrova
