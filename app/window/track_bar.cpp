#include "app/window/track_bar.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace lyrova {
namespace {

constexpr int kNotch = 120;  // one wheel notch, in eighths of a degree

}  // namespace

TTrackBar::TTrackBar(const TSliderRule& rule, QWidget* parent)
    : QSlider(Qt::Vertical, parent), start_(rule.start) {
  setRange(rule.minimum, rule.maximum);
  setValue(rule.start);
  setSingleStep(rule.singleStep);
  setPageStep(rule.pageStep);
  // The minimum sits at the top, and the arrow keys move the thumb the way
  // they point.
  setInvertedAppearance(true);
  setInvertedControls(true);
  setTickPosition(QSlider::NoTicks);
  // Out of the Tab order; a click still gives it the focus for a moment.
  setFocusPolicy(Qt::ClickFocus);
}

void TTrackBar::wheelEvent(QWheelEvent* event) {
  // Qt would move several steps a notch (the desktop's scroll lines).
  wheelDelta_ += event->angleDelta().y();
  while (wheelDelta_ >= kNotch || wheelDelta_ <= -kNotch) {
    const bool up = wheelDelta_ > 0;
    wheelDelta_ -= up ? kNotch : -kNotch;
    // Turning the wheel away from the singer moves the thumb up.
    triggerAction(up ? SliderSingleStepSub : SliderSingleStepAdd);
  }
  event->accept();
}

void TTrackBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QRect handle = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
  if (handle.contains(event->position().toPoint())) {
    QSlider::mousePressEvent(event);  // the thumb is dragged
    return;
  }
  // One page towards the click, whatever the style would do (some jump to
  // the point), and no repeat while the button is held.
  const bool above = event->position().y() < handle.top();
  triggerAction(above ? SliderPageStepSub : SliderPageStepAdd);
  event->accept();
}

void TTrackBar::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  setValue(start_);
  event->accept();
}

}  // namespace lyrova
