#include "video/video_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "catalog/errors.h"
#include "config/settings_values.h"
#include "video/settings_look.h"
#include "video/video_composer.h"
#include "video/video_messages.h"

namespace lyrova {
namespace {

// Width of the invisible frame along the edges that resizes the window.
constexpr int kResizeBorder = 6;

}  // namespace

TVideoForm::TVideoForm(QObject* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      mainWindow_(mainWindow),
      composer_(std::make_unique<TVideoComposer>(LookFromSettings)) {
  setWindowTitle(QStringLiteral("VideoForm"));
  setToolTip(QString::fromUtf8("Правая копка мышки  Каталог."));
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  resize(TVideoComposer::kWidth, TVideoComposer::kHeight);
  // The back buffer takes the client size once, for the window's lifetime.
  composer_->Open([this] { RequestRepaint(); }, width(), height());
}

TVideoForm::~TVideoForm() { WMStopVideo(); }

void TVideoForm::SetLyrics(const std::vector<std::string>& lines) { composer_->SetLyrics(lines); }

void TVideoForm::SetTiming(const std::vector<std::uint8_t>& pairs) { composer_->SetTiming(pairs); }

void TVideoForm::WMTimer(std::int32_t songTime) { composer_->Tick(songTime); }

void TVideoForm::SetVideoFile(const std::string& name) { Settings().SetVideoFileName(name); }

std::string TVideoForm::VideoFile() const { return Settings().VideoFileName(); }

void TVideoForm::PostPlayVideo() { QCoreApplication::postEvent(this, new QEvent(kWMPlayVideo)); }

void TVideoForm::SetVideoMayClose(bool may) { videoMayClose_ = may; }

bool TVideoForm::VideoMayClose() const { return videoMayClose_; }

bool TVideoForm::FilmRunning() const { return composer_->FilmRunning(); }

QImage TVideoForm::PresentedFrame() const { return composer_->Display().LastFrame(); }

void TVideoForm::WMPlayVideo() {
  const std::string file = VideoFile();
  try {
    composer_->StartFilm(file);
  } catch (const Error& e) {
    if (mainWindow_ != nullptr) {
      QCoreApplication::postEvent(mainWindow_, new TBadVidFileEvent(file, e.what()));
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

void TVideoForm::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Minimising and restoring show and hide the window too; only a real show
  // starts the film.
  if (e->spontaneous()) return;
  if (firstShow_) {
    firstShow_ = false;
    if (const QScreen* screen = this->screen()) {
      QRect frame = frameGeometry();
      frame.moveCenter(screen->availableGeometry().center());
      move(frame.topLeft());
    }
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

void TVideoForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The picture is stretched over whatever size the window has now.
  painter.drawImage(rect(), composer_->Display().FrameForPainting());
}

void TVideoForm::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  leftDown_ = false;
  if (isMaximized()) {
    showNormal();
  } else {
    showMaximized();
  }
}

Qt::Edges TVideoForm::EdgesAt(QPoint pos) const {
  Qt::Edges edges;
  if (isMaximized()) return edges;
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
}

void TVideoForm::mouseMoveEvent(QMouseEvent* e) {
  const QPoint global = e->globalPosition().toPoint();
  if (dragging_) {
    move(global - dragOffset_);
    return;
  }
  if (leftDown_ && (e->buttons() & Qt::LeftButton)) {
    if ((global - pressGlobal_).manhattanLength() < QApplication::startDragDistance()) return;
    leftDown_ = false;
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = pressGlobal_ - frameGeometry().topLeft();
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
