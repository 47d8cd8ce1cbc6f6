#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "tools/artwork/button_body.h"
#include "tools/artwork/pictures.h"

namespace lyrova::artwork {
namespace {

constexpr int kSize = 100;

// A lamp in a dark bezel, for the black video window: lit green with "ON",
// dark with "OFF".
QImage Lamp(bool lit) {
  QImage picture(kSize, kSize, QImage::Format_RGB32);
  picture.fill(Qt::black);
  const QPointF c(kSize / 2.0, kSize / 2.0);

  if (lit) {
    QPainterPath halo;
    halo.addEllipse(c, 40, 40);
    DrawSoftShadow(picture, halo, QColor(0x3C, 0xE0, 0x5A, 150), 9);
  }

  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient bezel(0, 10, 0, 90);
  bezel.setColorAt(0, QColor(0x8A, 0x8E, 0x96));
  bezel.setColorAt(1, QColor(0x22, 0x24, 0x28));
  p.setPen(QPen(QColor(0x10, 0x10, 0x12), 1.0));
  p.setBrush(bezel);
  p.drawEllipse(c, 38, 38);

  QRadialGradient glass(c + QPointF(0, -12), 40);
  if (lit) {
    glass.setColorAt(0, QColor(0xC8, 0xFF, 0xC4));
    glass.setColorAt(0.45, QColor(0x3C, 0xD8, 0x52));
    glass.setColorAt(1, QColor(0x0E, 0x6A, 0x22));
  } else {
    glass.setColorAt(0, QColor(0x5A, 0x5E, 0x64));
    glass.setColorAt(0.5, QColor(0x32, 0x35, 0x3A));
    glass.setColorAt(1, QColor(0x16, 0x17, 0x1A));
  }
  p.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
  p.setBrush(glass);
  p.drawEllipse(c, 32, 32);

  // Reflection on the upper part of the glass.
  QLinearGradient shine(0, 20, 0, 48);
  shine.setColorAt(0, QColor(255, 255, 255, lit ? 150 : 70));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawEllipse(QRectF(c.x() - 22, 21, 44, 26));

  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(22);
  font.setWeight(QFont::Bold);
  p.setFont(font);
  const QRectF label(c.x() - 32, c.y() - 8, 64, 30);
  p.setPen(QColor(0, 0, 0, 110));
  p.drawText(label.translated(0, 1), Qt::AlignCenter, lit ? "ON" : "OFF");
  p.setPen(lit ? QColor(0xFF, 0xFF, 0xFF) : QColor(0x9A, 0x9E, 0xA6));
  p.drawText(label, Qt::AlignCenter, lit ? "ON" : "OFF");
  return picture;
}

}  // namespace

std::vector<NamedPicture> IndicatorPictures() {
  return {{QStringLiteral("ON"), Lamp(true)}, {QStringLiteral("OFF"), Lamp(false)}};
}

}  // namespace lyrova::artwork
