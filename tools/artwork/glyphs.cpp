#include "tools/artwork/glyphs.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>
#include <numbers>
#include <span>

#include "tools/artwork/button_body.h"

namespace lyrova::artwork {
namespace {

struct Tint {
  QColor light;
  QColor dark;
  QColor edge;
};

const Tint kGreen{{0x6E, 0xD8, 0x6A}, {0x25, 0x93, 0x2E}, {0x17, 0x62, 0x1E}};
const Tint kRed{{0xF5, 0x6E, 0x62}, {0xC4, 0x26, 0x1E}, {0x84, 0x16, 0x12}};
const Tint kBlue{{0x5E, 0xA6, 0xF2}, {0x1C, 0x5C, 0xC0}, {0x12, 0x3D, 0x86}};
const Tint kAmber{{0xFF, 0xE2, 0x5A}, {0xF2, 0x93, 0x0E}, {0xA6, 0x5C, 0x08}};

QColor Pressed(QColor c, Look look) { return look == Look::Pressed ? c.darker(112) : c; }

// Fills a symbol with a top-lit gradient and a crisp edge, over a faint
// shadow that lifts it off the face.
void PaintSymbol(QImage& picture, const QPainterPath& symbol, const Tint& tint, Look look) {
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillPath(QTransform::fromTranslate(0, 1).map(symbol), QColor(0, 0, 0, 45));
  const QRectF box = symbol.boundingRect();
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  fill.setColorAt(0, Pressed(tint.light, look));
  fill.setColorAt(1, Pressed(tint.dark, look));
  p.fillPath(symbol, fill);
  p.setPen(QPen(Pressed(tint.edge, look), 0.9));
  p.drawPath(symbol);
}

QPainterPath Stroked(const QPainterPath& line, double width, Qt::PenCapStyle cap) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(cap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(line).simplified();
}

}  // namespace

void DrawArrowRight(QImage& picture, const QRectF& face, Look look) {
  const double s = face.width();
  const QPointF c = face.center();
  const double half = s * 0.32;   // half the arrow's length
  const double head = s * 0.27;   // half the head's height
  const double shaft = s * 0.115;  // half the shaft's height
  const double neck = c.x() + s * 0.04;
  QPainterPath arrow;
  arrow.moveTo(c.x() - half, c.y() - shaft);
  arrow.lineTo(neck, c.y() - shaft);
  arrow.lineTo(neck, c.y() - head);
  arrow.lineTo(c.x() + half, c.y());
  arrow.lineTo(neck, c.y() + head);
  arrow.lineTo(neck, c.y() + shaft);
  arrow.lineTo(c.x() - half, c.y() + shaft);
  arrow.closeSubpath();
  PaintSymbol(picture, arrow, kGreen, look);
}

void DrawCross(QImage& picture, const QRectF& face, Look look) {
  const double s = face.width();
  QPainterPath bar;
  bar.addRoundedRect(QRectF(-s * 0.29, -s * 0.085, s * 0.58, s * 0.17), s * 0.06, s * 0.06);
  QTransform a;
  a.translate(face.center().x(), face.center().y());
  a.rotate(45);
  QTransform b;
  b.translate(face.center().x(), face.center().y());
  b.rotate(-45);
  PaintSymbol(picture, a.map(bar).united(b.map(bar)), kRed, look);
}

void DrawCurvedArrow(QImage& picture, const QRectF& face, Look look) {
  const double s = face.width();
  const QPointF c = face.center();
  const double r = s * 0.23;
  const QRectF circle(c.x() - r, c.y() - r, 2 * r, 2 * r);
  // Most of a circle, turning clockwise from the upper right down and round
  // to the top, where the head points on towards the gap.
  constexpr double kStart = 30;
  constexpr double kSweep = -290;
  QPainterPath arc;
  arc.arcMoveTo(circle, kStart);
  arc.arcTo(circle, kStart, kSweep);
  QPainterPath symbol = Stroked(arc, s * 0.14, Qt::FlatCap);

  // Qt's angles turn anticlockwise on screen with y pointing down.
  const double end = (kStart + kSweep) * std::numbers::pi / 180;
  const QPointF tip(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
  const QPointF along(std::sin(end), std::cos(end));  // clockwise tangent on screen
  const QPointF across(std::cos(end), -std::sin(end));
  const double len = s * 0.20;
  const double wid = s * 0.17;
  QPainterPath head;
  head.moveTo(tip + along * len);
  head.lineTo(tip + across * wid);
  head.lineTo(tip - across * wid);
  head.closeSubpath();
  symbol = symbol.united(head);
  PaintSymbol(picture, symbol, kBlue, look);
}

void DrawTick(QImage& picture, const QRectF& face, Look look) {
  const double s = face.width();
  const QPointF c = face.center();
  QPainterPath line;
  line.moveTo(c.x() - s * 0.26, c.y() + s * 0.00);
  line.lineTo(c.x() - s * 0.07, c.y() + s * 0.20);
  line.lineTo(c.x() + s * 0.27, c.y() - s * 0.20);
  PaintSymbol(picture, Stroked(line, s * 0.15, Qt::RoundCap), kGreen, look);
}

void DrawBolt(QImage& picture, const QRectF& face, Look look) {
  const double h = face.height() * 0.78;
  const double w = h * 0.72;
  const QPointF o(face.center().x() - w / 2, face.center().y() - h / 2);
  // The bolt's corners in a unit box, from the top right going round.
  const QPointF corners[] = {{0.62, 0.00}, {0.08, 0.58}, {0.44, 0.58}, {0.26, 1.00},
                             {0.94, 0.38}, {0.56, 0.38}, {0.90, 0.00}};
  QPainterPath bolt;
  bolt.moveTo(o + QPointF(corners[0].x() * w, corners[0].y() * h));
  for (const QPointF& k : std::span(corners).subspan(1))
    bolt.lineTo(o + QPointF(k.x() * w, k.y() * h));
  bolt.closeSubpath();
  PaintSymbol(picture, bolt, kAmber, look);
}

void DrawWord(QImage& picture, const QRectF& face, const QString& word, Look look) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(qRound(face.height() * 0.50));
  font.setWeight(QFont::Bold);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
  const QFontMetricsF metrics(font);
  const QPointF origin(face.center().x() - metrics.horizontalAdvance(word) / 2,
                       face.center().y() + (metrics.capHeight()) / 2);

  QPainter p(&picture);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font);
  // Engraved look: a light edge under dark letters.
  p.setPen(QColor(255, 255, 255, look == Look::Pressed ? 90 : 200));
  p.drawText(origin + QPointF(0, 1), word);
  p.setPen(Pressed(QColor(0x34, 0x3A, 0x46), look));
  p.drawText(origin, word);
}

}  // namespace lyrova::artwork
