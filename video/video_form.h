#pragma once
// TVideoForm: the singer's window. It loops the background film and draws the
// lyric page over it; the clock thread composes and presents a picture on
// every tick, the window only paints the last presented picture.

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "playback/song_targets.h"

namespace lyrova {

class TDisplay;
class TFilmPlayer;
class TLyricPage;

class TVideoForm : public QWidget, public ILyricTarget, public ITickTarget {
  Q_OBJECT

 public:
  // `mainWindow` receives WMBadVidFile (a TBadVidFileEvent) when the film
  // cannot be started; it may be null (then nothing is posted).
  explicit TVideoForm(QObject* mainWindow = nullptr, QWidget* parent = nullptr);
  ~TVideoForm() override;

  // Main thread, when a song starts: the words (CP1251 lines), then the timing
  // pairs. The font, colours and line count are taken from the settings here.
  void SetLyrics(const std::vector<std::string>& lines) override;
  void SetTiming(const std::vector<std::uint8_t>& pairs) override;

  // Clock thread, every cycle: newest film frame, lyric page, present.
  void WMTimer(std::int32_t songTime) override;

  // Main thread. The film to open at the next WMPlayVideo (CP1251 path).
  void SetVideoFile(const std::string& name);
  std::string VideoFile() const;

  // Until this is set (at shutdown) the window refuses to close.
  void SetVideoMayClose(bool may);
  bool VideoMayClose() const;

  // True while a film runs (between a successful WMPlayVideo and WMStopVideo).
  bool FilmRunning() const;

  // The picture last presented by the tick (back-buffer size, 800 x 600).
  QImage PresentedFrame() const;

 signals:
  // A right click asks for the main window (the catalogue) to come forward.
  void MainWindowWanted();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void WMPlayVideo();
  void WMStopVideo();
  void NextVideoFrame();
  std::shared_ptr<TFilmPlayer> CurrentFilm() const;
  Qt::Edges EdgesAt(QPoint pos) const;

  QObject* mainWindow_;
  std::unique_ptr<TDisplay> display_;
  std::unique_ptr<TLyricPage> page_;
  std::string videoFileName_;  // main thread only
  bool videoMayClose_ = false;
  bool firstShow_ = true;

  // The film shared with the tick: replaced on the main thread, held by the
  // tick for the time of one frame so it is never freed under it.
  mutable std::mutex filmMutex_;
  std::shared_ptr<TFilmPlayer> film_;

  // Manual drag when the window system cannot move the window itself.
  bool dragging_ = false;
  QPoint dragOffset_;
};

}  // namespace lyrova
