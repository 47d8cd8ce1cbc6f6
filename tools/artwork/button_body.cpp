#include "tools/artwork/button_body.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

namespace lyrova::artwork {
namespace {

// One box-blur pass along rows or columns of an alpha channel.
void BoxBlur(std::vector<float>& a, int w, int h, int radius, bool horizontal) {
  std::vector<float> out(a.size());
  const int n = horizontal ? w : h;
  const int lines = horizontal ? h : w;
  for (int line = 0; line < lines; ++line) {
    auto at = [&](int i) -> float& {
      return horizontal ? a[line * w + i] : a[i * w + line];
    };
    for (int i = 0; i < n; ++i) {
      float sum = 0;
      for (int k = -radius; k <= radius; ++k) {
        const int j = i + k;
        if (j >= 0 && j < n) sum += at(j);
      }
      (horizontal ? out[line * w + i] : out[i * w + line]) = sum / (2 * radius + 1);
    }
  }
  a.swap(out);
}

QPainterPath Shrunk(const QPainterPath& path, double by) {
  const QRectF r = path.boundingRect();
  QTransform t;
  t.translate(r.center().x(), r.center().y());
  t.scale((r.width() - 2 * by) / r.width(), (r.height() - 2 * by) / r.height());
  t.translate(-r.center().x(), -r.center().y());
  return t.map(path);
}

}  // namespace

QImage BlankPicture(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(kWindowGrey);
  return picture;
}

void DrawSoftShadow(QImage& target, const QPainterPath& shape, QColor color, double blur) {
  const int w = target.width();
  const int h = target.height();
  QImage mask(w, h, QImage::Format_ARGB32_Premultiplied);
  mask.fill(Qt::transparent);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(shape, Qt::black);
  }
  std::vector<float> alpha(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) alpha[y * w + x] = qAlpha(mask.pixel(x, y)) / 255.0f;
  // Three box passes come close to a gaussian.
  const int radius = std::max(1, static_cast<int>(std::lround(blur / 1.5)));
  for (int pass = 0; pass < 3; ++pass) {
    BoxBlur(alpha, w, h, radius, true);
    BoxBlur(alpha, w, h, radius, false);
  }
  QImage shadow(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const int a = qRound(alpha[y * w + x] * color.alpha());
      line[x] = qRgba(color.red(), color.green(), color.blue(), a);
    }
  }
  QPainter p(&target);
  p.drawImage(0, 0, shadow);
}

QPainterPath RoundOutline(int size) {
  QPainterPath path;
  const double margin = size * 0.08;
  path.addEllipse(QRectF(margin, margin - 1, size - 2 * margin, size - 2 * margin));
  return path;
}

QPainterPath OvalOutline(int width, int height) {
  QPainterPath path;
  const QRectF r(4, 5, width - 8, height - 12);
  path.addRoundedRect(r, r.height() / 2, r.height() / 2);
  return path;
}

QPainterPath DrawBody(QImage& picture, const QPainterPath& outline, Look look) {
  const bool pressed = look == Look::Pressed;
  const QPainterPath body =
      pressed ? QTransform::fromTranslate(kPressShift, kPressShift).map(outline) : outline;
  const QRectF box = body.boundingRect();

  // A pressed button sits on the surface, so its shadow is close and faint.
  DrawSoftShadow(picture,
                 QTransform::fromTranslate(0, pressed ? 0.5 : 1.8).map(body),
                 QColor(40, 36, 30, pressed ? 70 : 120), pressed ? 1.5 : 3.0);

  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);

  // Rim: lit from above when resting, the other way round when pushed in.
  QLinearGradient rim(box.topLeft(), box.bottomLeft());
  rim.setColorAt(0, pressed ? QColor(0x9C, 0x98, 0x90) : QColor(0xFF, 0xFF, 0xFF));
  rim.setColorAt(1, pressed ? QColor(0xF4, 0xF2, 0xEE) : QColor(0xA8, 0xA4, 0x9B));
  p.fillPath(body, rim);
  p.setPen(QPen(QColor(0x6E, 0x6A, 0x62, 200), 1.0));
  p.drawPath(Shrunk(body, 0.5));

  const double rimWidth = std::clamp(box.height() * 0.08, 2.0, 3.0);
  const QPainterPath face = Shrunk(body, rimWidth);
  const QRectF fbox = face.boundingRect();
  QLinearGradient faceFill(fbox.topLeft(), fbox.bottomLeft());
  if (pressed) {
    faceFill.setColorAt(0, QColor(0xC4, 0xC0, 0xB8));
    faceFill.setColorAt(1, QColor(0xE2, 0xDF, 0xD9));
  } else {
    faceFill.setColorAt(0, QColor(0xFF, 0xFF, 0xFE));
    faceFill.setColorAt(0.55, QColor(0xF1, 0xEF, 0xEB));
    faceFill.setColorAt(1, QColor(0xE0, 0xDD, 0xD6));
  }
  p.fillPath(face, faceFill);

  p.save();
  p.setClipPath(face);
  if (pressed) {
    // Inner shadow along the top edge: the face lies below the rim.
    QLinearGradient inset(fbox.topLeft(), QPointF(fbox.left(), fbox.top() + fbox.height() * 0.35));
    inset.setColorAt(0, QColor(0, 0, 0, 70));
    inset.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(fbox, inset);
  } else {
    // A faint gloss on the upper half.
    QRadialGradient gloss(QPointF(fbox.center().x(), fbox.top()), fbox.width() * 0.7);
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(fbox.left(), fbox.top(), fbox.width(), fbox.height() * 0.5), gloss);
  }
  p.restore();
  return face;
}

}  // namespace lyrova::artwork
