#pragma once
// TVideoForm: the singer's window. It loops the background film and draws the
// lyric page over it; the clock thread composes and presents a picture on
// every tick at the window's size in device pixels, the window only paints
// the last presented picture. It opens where the user left it (the [Video]
// keys of the settings file), goes full screen with F11 or Alt+Enter and
// leaves it with Esc.

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "playback/song_targets.h"
#include "video/title_card.h"
#include "video/up_next_layer.h"

namespace lyrova {

class TVideoComposer;

class TVideoForm : public QWidget, public ILyricTarget, public ITickTarget {
  Q_OBJECT

 public:
  // `mainWindow` receives WMBadVidFile (a TBadVidFileEvent) when the film
  // cannot be started; it may be null (then nothing is posted). The window
  // keeps its place in the settings file `placementFile` (none when empty).
  // The clock must have stopped calling WMTimer before the window is destroyed.
  explicit TVideoForm(QObject* mainWindow = nullptr, std::string placementFile = {},
                      QWidget* parent = nullptr);
  ~TVideoForm() override;

  // Main thread, when a song starts: the words (UTF-8 lines), then the timing
  // pairs. The font, colours and line count are taken from the settings here.
  void SetRecording(const TRecordedFiles* files) override;
  void SetLyrics(const std::vector<std::string>& lines) override;
  void SetTiming(const TimingPairs& timing) override;

  // Main thread, as a song starts: the title card shows the song's title,
  // singer and code, and the window comes in front of the others without
  // taking the keyboard focus.
  void SongStarting(const TSongTitle& title);
  // The title card of the next introduction.
  void SetSongTitle(const TSongTitle& title);
  // Who sings next, drawn over the film (TUpNextLayer).
  void SetUpNext(TUpNext upNext);

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

  // Main thread: the film stands still while the song is paused.
  void SetFilmPaused(bool paused);

  // True while a film runs (between a successful WMPlayVideo and WMStopVideo).
  bool FilmRunning() const;

  // The picture last presented by the tick (the window's device pixels).
  QImage PresentedFrame() const;

  // Full screen on the window's screen, and back to the state before.
  void ToggleFullScreen();

 signals:
  // A right click asks for the main window (the catalogue) to come forward.
  void MainWindowWanted();

 protected:
  bool event(QEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void changeEvent(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void WMPlayVideo();
  void WMStopVideo();
  void RequestRepaint();  // any thread
  Qt::Edges EdgesAt(QPoint pos) const;
  bool Framed() const;  // neither maximised nor full screen: the border shows
  QSize DevicePixels() const;
  void PlaceAtFirstShow();
  void SavePlacement();
  void ShowNormalAgain();
  void NoteMoved();  // remembers the place and writes it once the window rests

  QObject* mainWindow_;
  std::unique_ptr<TVideoComposer> composer_;
  std::atomic<bool> repaintPending_{false};
  bool videoMayClose_ = false;
  bool firstShow_ = true;
  std::string placementFile_;
  QTimer* saveTimer_;  // the place is written once the window has come to rest
  QSize requested_;    // the picture size last asked of the composer
  QRect normal_;       // the place out of full screen and maximised
  bool maximisedBeforeFullScreen_ = false;

  // A left press moves the window with the mouse from its first movement;
  // the window system is asked to move it only where a window cannot place
  // itself (Wayland).
  bool leftDown_ = false;
  bool dragging_ = false;
  QPoint pressGlobal_;
  QPoint dragOffset_;
};

}  // namespace lyrova
