#include "video/video_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "catalog/errors.h"
#include "config/ini_file.h"
#include "config/settings_values.h"
#include "video/settings_look.h"
#include "video/video_composer.h"
#include "video/video_messages.h"
#include "translations/user_text_qt.h"
#include "video/video_placement.h"

namespace lyrova {
namespace {

// Width of the frame along the edges that resizes the window; the thin
// border drawn there shows where it can be seized.
constexpr int kResizeBorder = 6;
constexpr int kBorderWidth = 2;
const QColor kBorderColour(120, 120, 128);
// The place is written this long after the window last moved or changed size.
constexpr int kSaveDelayMs = 700;

std::vector<TScreenArea> ScreenAreas() {
  std::vector<TScreenArea> areas;
  for (const QScreen* screen : QGuiApplication::screens()) {
    areas.push_back({screen->name().toStdString(), screen->availableGeometry()});
  }
  return areas;
}

QScreen* ScreenNamed(const std::string& name) {
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->name().toStdString() == name) return screen;
  }
  return nullptr;
}

}  // namespace

TVideoForm::TVideoForm(QObject* mainWindow, std::string placementFile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      mainWindow_(mainWindow),
      composer_(std::make_unique<TVideoComposer>(LookFromSettings)),
      placementFile_(std::move(placementFile)),
      saveTimer_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("VideoForm"));
  setToolTip(QString::fromUtf8("Правая копка мышки  Каталог."));
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Coming forward at a song's start leaves the keyboard with the main window.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setMouseTracking(true);
  resize(TVideoComposer::kWidth, TVideoComposer::kHeight);
  composer_->Open([this] { RequestRepaint(); }, width(), height());
  requested_ = size();
  saveTimer_->setSingleShot(true);
  saveTimer_->setInterval(kSaveDelayMs);
  connect(saveTimer_, &QTimer::timeout, this, [this] { SavePlacement(); });
}

TVideoForm::~TVideoForm() {
  if (saveTimer_->isActive()) SavePlacement();
  WMStopVideo();
}

void TVideoForm::SetRecording(const TRecordedFiles* files) { composer_->SetRecording(files); }

void TVideoForm::SetLyrics(const std::vector<std::string>& lines) { composer_->SetLyrics(lines); }

void TVideoForm::SetTiming(const TimingPairs& timing) { composer_->SetTiming(timing); }

void TVideoForm::SongStarting(const TSongTitle& title) {
  SetSongTitle(title);
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  raise();
}

void TVideoForm::SetSongTitle(const TSongTitle& title) { composer_->SetTitle(title); }

void TVideoForm::SetUpNext(TUpNext upNext) { composer_->SetUpNext(std::move(upNext)); }

void TVideoForm::WMTimer(std::int32_t songTime) { composer_->Tick(songTime); }

void TVideoForm::SetVideoFile(const std::string& name) { Settings().SetVideoFileName(name); }

std::string TVideoForm::VideoFile() const { return Settings().VideoFileName(); }

void TVideoForm::PostPlayVideo() { QCoreApplication::postEvent(this, new QEvent(kWMPlayVideo)); }

void TVideoForm::SetVideoMayClose(bool may) { videoMayClose_ = may; }

void TVideoForm::SetFilmPaused(bool paused) { composer_->SetFilmPaused(paused); }

bool TVideoForm::FilmRunning() const { return composer_->FilmRunning(); }

QImage TVideoForm::PresentedFrame() const { return composer_->Display().LastFrame(); }

void TVideoForm::ToggleFullScreen() {
  if (isFullScreen()) {
    if (maximisedBeforeFullScreen_) {
      showMaximized();
    } else {
      ShowNormalAgain();
    }
    return;
  }
  maximisedBeforeFullScreen_ = isMaximized();
  showFullScreen();
}

void TVideoForm::ShowNormalAgain() {
  showNormal();
  // A window that started full screen has no earlier place of its own.
  if (normal_.isValid()) setGeometry(normal_);
}

void TVideoForm::WMPlayVideo() {
  const std::string file = VideoFile();
  try {
    composer_->StartFilm(file);
  } catch (const Error& e) {
    if (mainWindow_ != nullptr) {
      QCoreApplication::postEvent(mainWindow_, new TBadVidFileEvent(file, Translated(e).toStdString()));
    }
  }
}

void TVideoForm::WMStopVideo() { composer_->StopFilm(); }

void TVideoForm::RequestRepaint() {
  // One repaint waiting is enough: it shows the newest picture anyway.
  if (repaintPending_.exchange(true)) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        repaintPending_ = false;
        update();
      },
      Qt::QueuedConnection);
}

bool TVideoForm::event(QEvent* e) {
  if (e->type() == kWMPlayVideo) {
    WMPlayVideo();
    return true;
  }
  if (e->type() == kWMStopVideo) {
    WMStopVideo();
    return true;
  }
  return QWidget::event(e);
}

void TVideoForm::PlaceAtFirstShow() {
  std::optional<TVideoPlacement> saved;
  if (!placementFile_.empty()) saved = ReadVideoPlacement(TIniFile(placementFile_));
  QRect mainFrame;
  if (const auto* main = qobject_cast<const QWidget*>(mainWindow_)) mainFrame = main->frameGeometry();
  const TVideoPlacement place = PlaceVideoWindow(ScreenAreas(), mainFrame, saved, size());
  if (QScreen* screen = ScreenNamed(place.screen)) setScreen(screen);
  setGeometry(place.geometry);
  normal_ = place.geometry;
  if (place.state == TVideoState::Maximised) setWindowState(Qt::WindowMaximized);
  if (place.state == TVideoState::FullScreen) setWindowState(Qt::WindowFullScreen);
}

void TVideoForm::SavePlacement() {
  saveTimer_->stop();
  if (placementFile_.empty() || firstShow_) return;
  TVideoPlacement place;
  if (const QScreen* s = screen()) place.screen = s->name().toStdString();
  place.geometry = normal_.isValid() ? normal_ : geometry();
  place.state = isFullScreen() ? TVideoState::FullScreen
                               : (isMaximized() ? TVideoState::Maximised : TVideoState::Normal);
  try {
    TIniFile ini(placementFile_);
    WriteVideoPlacement(ini, place);
  } catch (const Error&) {
    // A settings file that cannot be written only costs the place next time.
  }
}

void TVideoForm::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Minimising and restoring show and hide the window too; only a real show
  // starts the film.
  if (e->spontaneous()) return;
  if (firstShow_) {
    PlaceAtFirstShow();
    firstShow_ = false;
  }
  QCoreApplication::postEvent(this, new QEvent(kWMPlayVideo));
}

void TVideoForm::hideEvent(QHideEvent* e) {
  QWidget::hideEvent(e);
  if (!e->spontaneous()) QCoreApplication::postEvent(this, new QEvent(kWMStopVideo));
}

void TVideoForm::closeEvent(QCloseEvent* e) {
  if (videoMayClose_) {
    e->accept();
  } else {
    e->ignore();
  }
}

QSize TVideoForm::DevicePixels() const {
  const qreal ratio = devicePixelRatioF();
  return QSize(qRound(width() * ratio), qRound(height() * ratio));
}

bool TVideoForm::Framed() const { return !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)); }

void TVideoForm::paintEvent(QPaintEvent*) {
  // A move to a screen of another pixel ratio changes the device size alone.
  if (DevicePixels() != requested_) {
    requested_ = DevicePixels();
    composer_->Resize(requested_);
  }
  QPainter painter(this);
  // The picture has the window's device pixels (but for the moment after a
  // resize): it is copied, not scaled.
  painter.drawImage(QRectF(rect()), composer_->Display().FrameForPainting());
  if (!Framed()) return;
  painter.setPen(QPen(kBorderColour, kBorderWidth));
  painter.setBrush(Qt::NoBrush);
  const qreal half = kBorderWidth / 2.0;
  painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

void TVideoForm::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  requested_ = DevicePixels();
  composer_->Resize(requested_);
  NoteMoved();
}

void TVideoForm::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  NoteMoved();
}

void TVideoForm::NoteMoved() {
  if (firstShow_) return;
  if (Framed()) normal_ = geometry();
  saveTimer_->start();
}

void TVideoForm::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange && !firstShow_) saveTimer_->start();
}

void TVideoForm::keyPressEvent(QKeyEvent* e) {
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (e->key() == Qt::Key_F11 || (enter && (e->modifiers() & Qt::AltModifier))) {
    ToggleFullScreen();
    return;
  }
  if (e->key() == Qt::Key_Escape && isFullScreen()) {
    ToggleFullScreen();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TVideoForm::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  leftDown_ = false;
  dragging_ = false;
  if (isMaximized() || isFullScreen()) {
    ShowNormalAgain();
  } else {
    showMaximized();
  }
}

Qt::Edges TVideoForm::EdgesAt(QPoint pos) const {
  Qt::Edges edges;
  if (!Framed()) return edges;
  if (pos.x() < kResizeBorder) edges |= Qt::LeftEdge;
  if (pos.x() >= width() - kResizeBorder) edges |= Qt::RightEdge;
  if (pos.y() < kResizeBorder) edges |= Qt::TopEdge;
  if (pos.y() >= height() - kResizeBorder) edges |= Qt::BottomEdge;
  return edges;
}

void TVideoForm::mousePressEvent(QMouseEvent* e) {
  if (QWidget::mouseGrabber() == this) releaseMouse();
  if (e->button() == Qt::RightButton) {
    emit MainWindowWanted();
    return;
  }
  if (e->button() != Qt::LeftButton) return;
  const Qt::Edges edges = EdgesAt(e->position().toPoint());
  if (edges && windowHandle() != nullptr && windowHandle()->startSystemResize(edges)) return;
  leftDown_ = true;
  pressGlobal_ = e->globalPosition().toPoint();
  dragOffset_ = pressGlobal_ - frameGeometry().topLeft();
}

void TVideoForm::mouseMoveEvent(QMouseEvent* e) {
  const QPoint global = e->globalPosition().toPoint();
  if (dragging_) {
    move(global - dragOffset_);
    return;
  }
  if (leftDown_ && (e->buttons() & Qt::LeftButton)) {
    leftDown_ = false;
    if (!Framed()) return;
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) &&
        windowHandle() != nullptr && windowHandle()->startSystemMove()) {
      return;
    }
    dragging_ = true;
    move(global - dragOffset_);
    return;
  }
  const Qt::Edges edges = EdgesAt(e->position().toPoint());
  if ((edges & Qt::LeftEdge && edges & Qt::TopEdge) ||
      (edges & Qt::RightEdge && edges & Qt::BottomEdge)) {
    setCursor(Qt::SizeFDiagCursor);
  } else if ((edges & Qt::RightEdge && edges & Qt::TopEdge) ||
             (edges & Qt::LeftEdge && edges & Qt::BottomEdge)) {
    setCursor(Qt::SizeBDiagCursor);
  } else if (edges & (Qt::LeftEdge | Qt::RightEdge)) {
    setCursor(Qt::SizeHorCursor);
  } else if (edges & (Qt::TopEdge | Qt::BottomEdge)) {
    setCursor(Qt::SizeVerCursor);
  } else {
    unsetCursor();
  }
}

void TVideoForm::mouseReleaseEvent(QMouseEvent*) {
  leftDown_ = false;
  dragging_ = false;
}

}  // namespace lyrova
