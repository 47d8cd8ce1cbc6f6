#include "config/colour_swatch.h"

#include <QMouseEvent>
#include <QPalette>

namespace lyrova {

QColor ColourOf(std::int32_t colorref) {
  const auto c = static_cast<std::uint32_t>(colorref);
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

std::int32_t ColorrefOf(const QColor& colour) {
  return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

TColourSwatch::TColourSwatch(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAutoFillBackground(true);
  SetColour(0);
}

void TColourSwatch::SetColour(std::int32_t colorref) {
  colour_ = colorref;
  QPalette p = palette();
  p.setColor(QPalette::Window, ColourOf(colorref));
  setPalette(p);
}

void TColourSwatch::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void TColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

}  // namespace lyrova
