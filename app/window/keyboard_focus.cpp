// Where the keyboard goes: the sliders and the search-mode group hand the
// focus back to the list or search box left last, and after the singer's
// window, full screen or a dialog it comes back to where it was.

#include <QApplication>
#include <QKeyEvent>

#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "video/video_form.h"

namespace lyrova {
namespace {

bool CanTakeFocus(QWidget* w) { return w->isVisible() && w->isEnabled(); }

}  // namespace

void TForm1::RetFocusEnter() {
  if (QWidget* target = focusReturn_.Target(CanTakeFocus)) target->setFocus(Qt::OtherFocusReason);
}

void TForm1::ReturnFocus() {
  if (closed_ || !isVisible()) return;
  // A singer's window that fills the screen keeps it; the keys work there too.
  if (video_ && video_->isFullScreen()) return;
  activateWindow();
  QWidget* target = focusWidget();
  if (!target || !CanTakeFocus(target)) target = focusReturn_.Target(CanTakeFocus);
  if (!target) target = listView1_;
  target->setFocus(Qt::OtherFocusReason);
}

void TForm1::ToggleFullScreen() {
  if (video_) video_->ToggleFullScreen();
}

bool TForm1::VideoFormEvent(QEvent* event) {
  // Back from full screen, however it was left (Esc, F11, a double click).
  if (event->type() == QEvent::WindowStateChange && !video_->isFullScreen() &&
      (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowFullScreen)) {
    ReturnFocus();
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  // The list's keys work from the singer's window as they do from here.
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) return false;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Delete:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: {
      QWidget* target = focusWidget() ? focusWidget() : listView1_;
      QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
      QCoreApplication::sendEvent(target, &copy);
      return true;
    }
    default: return false;
  }
}

}  // namespace lyrova
