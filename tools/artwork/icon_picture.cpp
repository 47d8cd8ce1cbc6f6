#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "tools/artwork/button_body.h"
#include "tools/artwork/pictures.h"

namespace lyrova::artwork {
namespace {

// The icon is drawn on a 256-unit grid and scaled to the size asked for.
constexpr double kGrid = 256;

QPainterPath Tile() {
  QPainterPath tile;
  tile.addRoundedRect(QRectF(16, 12, 224, 224), 52, 52);
  return tile;
}

void DrawMicrophone(QPainter& p) {
  // Stand: a cradle around the head and a foot.
  QPainterPath cradle;
  cradle.moveTo(78, 118);
  cradle.cubicTo(78, 190, 178, 190, 178, 118);
  p.setPen(QPen(QColor(255, 255, 255, 235), 13, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(cradle);
  p.drawLine(QPointF(128, 172), QPointF(128, 204));
  p.drawLine(QPointF(100, 206), QPointF(156, 206));

  // Head: a capsule with a grille.
  const QRectF head(96, 44, 64, 114);
  QLinearGradient metal(head.topLeft(), head.topRight());
  metal.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
  metal.setColorAt(0.6, QColor(0xEC, 0xE6, 0xF6));
  metal.setColorAt(1, QColor(0xC6, 0xBC, 0xDC));
  p.setPen(Qt::NoPen);
  p.setBrush(metal);
  p.drawRoundedRect(head, 32, 32);
  p.setPen(QPen(QColor(0x7A, 0x5C, 0xC0, 150), 5, Qt::SolidLine, Qt::RoundCap));
  for (double y : {72.0, 90.0, 108.0}) p.drawLine(QPointF(112, y), QPointF(144, y));
}

void DrawNote(QPainter& p) {
  const QColor gold(0xFF, 0xD3, 0x4E);
  p.setPen(Qt::NoPen);
  p.setBrush(gold);
  p.save();
  p.translate(184, 104);
  p.rotate(-22);
  p.drawEllipse(QRectF(-15, -10, 30, 21));
  p.restore();
  p.setPen(QPen(gold, 8, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(196, 100), QPointF(196, 44));
  QPainterPath flag;
  flag.moveTo(196, 44);
  flag.cubicTo(208, 54, 226, 58, 218, 82);
  p.setPen(QPen(gold, 8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(flag);
}

}  // namespace

QImage ProgramIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  const double scale = size / kGrid;
  if (size >= 64) {
    QTransform t;
    t.scale(scale, scale);
    DrawSoftShadow(icon, t.map(Tile().translated(0, 6)), QColor(20, 10, 40, 110), 8 * scale);
  }

  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  QLinearGradient fill(QPointF(16, 12), QPointF(240, 236));
  fill.setColorAt(0, QColor(0x6A, 0x4B, 0xE0));
  fill.setColorAt(1, QColor(0xE0, 0x3E, 0x8A));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(Tile());
  QRadialGradient light(QPointF(90, 40), 200);
  light.setColorAt(0, QColor(255, 255, 255, 70));
  light.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(light);
  p.drawPath(Tile());

  DrawMicrophone(p);
  DrawNote(p);
  return icon;
}

}  // namespace lyrova::artwork
