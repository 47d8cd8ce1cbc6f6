#include "app/widgets/picture_button.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>

#include "resources/images/pictures.h"

namespace lyrova {

TPictureButton::TPictureButton(const QString& baseName, QWidget* parent)
    : QLabel(parent),
      resting_(LoadPicture(baseName + u'1')),
      pressed_(LoadPicture(baseName + u'2')) {
  setFixedSize(resting_.size());
  // A right click only shows the pressed look; no menu of a parent may open.
  setContextMenuPolicy(Qt::PreventContextMenu);
  ShowPicture(resting_);
}

void TPictureButton::ShowPicture(const QImage& picture) {
  setPixmap(QPixmap::fromImage(picture));
}

void TPictureButton::mousePressEvent(QMouseEvent* event) {
  // Qt grabs the mouse for this widget until every button is up, so each
  // release comes back here even when it happens off the picture.
  heldButtons_ = event->buttons() | event->button();
  ShowPicture(pressed_);
  event->accept();
}

void TPictureButton::mouseMoveEvent(QMouseEvent* event) {
  // Moving off the picture keeps the pressed look; only the release decides.
  event->accept();
}

void TPictureButton::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasHeld = heldButtons_ & event->button();
  heldButtons_ = event->buttons();
  event->accept();
  if (!wasHeld) return;

  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    // The action runs first: a dialog it opens leaves the button looking
    // pressed until it closes. It may also delete this button.
    const QPointer<TPictureButton> alive(this);
    emit clicked();
    if (!alive) return;
  }
  // A button released off the picture must not leave it looking pressed.
  if (heldButtons_ == Qt::NoButton) ShowPicture(resting_);
}

void TPictureButton::hideEvent(QHideEvent* event) {
  // A hidden button loses its grab and will not hear the release.
  heldButtons_ = Qt::NoButton;
  ShowPicture(resting_);
  QLabel::hideEvent(event);
}

}  // namespace lyrova
