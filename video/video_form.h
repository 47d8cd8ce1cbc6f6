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
#include <string>
#include <vector>

#include "playback/song_targets.h"

namespace lyrova {

class TVideoComposer;

class TVideoForm : public QWidget, public ILyricTarget, public ITickTarget {
  Q_OBJECT

 public:
  // `mainWindow` receives WMBadVidFile (a TBadVidFileEvent) when the film
  // cannot be started; it may be null (then nothing is posted). The clock
  // must have stopped calling WMTimer before the window is destroyed.
  explicit TVideoForm(QObject* mainWindow = nullptr, QWidget* parent = nullptr);
  ~TVideoForm() override;

  // Main thread, when a song starts: the words (CP1251 lines), then the timing
  // pairs. The font, colours and line count are taken from the settings here.
  void SetLyrics(const std::vector<std::string>& lines) override;
  void SetTiming(const std::vector<std::uint8_t>& pairs) override;

  // Clock thread, every cycle: newest film frame, lyric page, present.
  void WMTimer(std::int32_t songTime) override;

  // Main thread. The film to open at the next WMPlayVideo, a path as the
  // file system spells it; kept in the settings values as VideoFileName.
  void SetVideoFile(const std::string& name);
  std::string VideoFile() const;
  // Posts WMPlayVideo to this window (the main window's WMBadVidFile does).
  void PostPlayVideo();

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
  void RequestRepaint();  // any thread
  Qt::Edges EdgesAt(QPoint pos) const;

  QObject* mainWindow_;
  std::unique_ptr<TVideoComposer> composer_;
  std::atomic<bool> repaintPending_{false};
  bool videoMayClose_ = false;
  bool firstShow_ = true;

  // A left press starts moving the window once the mouse has moved a little,
  // so that a double click still arrives; `dragging_` moves it by hand where
  // the window system cannot.
  bool leftDown_ = false;
  bool dragging_ = false;
  QPoint pressGlobal_;
  QPoint dragOffset_;
};

}  // namespace lyrova
