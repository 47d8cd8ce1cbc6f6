#pragma once
// A vertical slider of the main window, minimum at the top, that moves by
// small steps: one per arrow key and per wheel notch, the page step per
// click on the groove with the left button only (no jump to where another
// button points), and back to its resting place on a double click.

#include <QSlider>

#include "session/slider_rules.h"

namespace lyrova {

class TTrackBar : public QSlider {
  Q_OBJECT

 public:
  TTrackBar(const TSliderRule& rule, QWidget* parent = nullptr);


 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int start_;
  int wheelDelta_ = 0;  // eighths of a degree not yet turned into a step
};

}  // namespace lyrova
