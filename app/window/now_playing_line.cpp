#include "app/window/now_playing_line.h"

namespace lyrova {
namespace {

constexpr int kRefreshMs = 200;

}  // namespace

TNowPlayingLine::TNowPlayingLine(std::function<std::optional<TNowPlaying>()> song, QWidget* parent)
    : QLabel(parent), song_(std::move(song)) {
  setTextFormat(Qt::PlainText);
  setContentsMargins(4, 1, 4, 1);
  connect(&timer_, &QTimer::timeout, this, &TNowPlayingLine::Refresh);
  timer_.start(kRefreshMs);
}

void TNowPlayingLine::Refresh() {
  const std::optional<TNowPlaying> song = song_();
  const QString text = song ? QString::fromStdString(NowPlayingText(*song)) : QString();
  // Set only when it changed (about once a second), so the line costs no relayout.
  if (text != this->text()) setText(text);
}

}  // namespace lyrova
