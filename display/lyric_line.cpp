#include "display/lyric_line.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "catalog/utf8_text.h"
#include "catalog/errors.h"

namespace lyrova {
namespace {

// The characters of a UTF-8 text, each as the string that draws it.
std::vector<QString> CharactersOf(const std::string& text) {
  std::vector<QString> chars;
  chars.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    chars.push_back(QString::fromUcs4(&c, 1));
  }
  return chars;
}

}  // namespace

TLline::TLline(const TRect& slot)
    : rect_(slot), width_(slot.right - slot.left), height_(slot.bottom - slot.top) {}

void TLline::Init(const std::string& text, const std::string& fontName, int fontHeight,
                  ColorRef color1, ColorRef color2, ColorRef shadow, int shadowOffset) {
  Layout(text, fontName, fontHeight, color1, color2, shadow, shadowOffset);
  Render(MakeLyricFont(fontName, fontHeight));
}

void TLline::Layout(const std::string& text, const std::string& fontName, int fontHeight,
                    ColorRef color1, ColorRef color2, ColorRef shadow, int shadowOffset) {
  text_ = text;
  fontName_ = fontName;
  fontHeight_ = fontHeight;
  color1_ = color1;
  color2_ = color2;
  shadow_ = shadow;
  shadowOffset_ = shadowOffset;
  unsung_ = QImage();
  sung_ = QImage();
  const QFont font = MakeLyricFont(fontName, fontHeight);
  const QFontMetrics metrics(font);

  // Positions are sums of single-character widths; the cached pictures draw
  // each character at its own position so the boxes match the ink exactly.
  positions_.clear();
  chars_ = CharactersOf(text);
  positions_.reserve(chars_.size() + 1);
  charBoxes_.clear();
  QString whole;
  int position = 0;
  for (const QString& ch : chars_) {
    whole += ch;
    positions_.push_back(position);
    const int advance = metrics.horizontalAdvance(ch);
    if (ch != QLatin1String(" ")) charBoxes_.push_back({position, 0, position + advance, metrics.height()});
    position += advance;
  }
  positions_.push_back(position);
  textWidth_ = metrics.horizontalAdvance(whole);
  textHeight_ = metrics.height();
  offsetX_ = (width_ - textWidth_) / 2;
  offsetY_ = (height_ - textHeight_) / 2;
}

void TLline::Render(const QFont& font) {
  const QFontMetrics metrics(font);
  // The cache covers the ink with a margin for overhangs, cut to the slot's
  // columns: the slot spans the whole lyric area, nothing beside it shows.
  const int margin = std::max(2, textHeight_ / 4);
  const int box0Left = charBoxes_.empty() ? 0 : charBoxes_.front().left;
  const int slotLeft = rect_.left - offsetX_ - box0Left;
  const int slotRight = rect_.right - offsetX_ - box0Left;
  const int left = std::max(-margin, slotLeft);
  const int right = std::min(positions_.back() + margin + shadowOffset_, slotRight);
  if (right <= left || charBoxes_.empty()) return;
  cacheLeft_ = left;
  cacheTop_ = -margin;
  unsung_ = QImage(right - left, textHeight_ + 2 * margin + shadowOffset_,
                   QImage::Format_ARGB32_Premultiplied);
  if (unsung_.isNull()) return;
  unsung_.fill(Qt::transparent);

  auto drawText = [&](QImage& image, ColorRef colour, int shift) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(LyricColour(colour));
    for (std::size_t i = 0; i < chars_.size(); ++i) {
      if (chars_[i] == QLatin1String(" ")) continue;
      painter.drawText(QPoint(positions_[i] + shift - cacheLeft_,
                              metrics.ascent() + shift - cacheTop_),
                       chars_[i]);
    }
  };
  drawText(unsung_, shadow_, shadowOffset_);
  drawText(unsung_, color1_, 0);
  sung_ = unsung_.copy();
  drawText(sung_, color2_, 0);
}

void TLline::DrawOnScreen(TSurface& surface, int x, int y, int c, float f) const {
  if (!(f >= 0.0f && f <= 1.0f)) return;
  if (!surface.Exists() || unsung_.isNull()) return;
  const int tx = x + offsetX_ + charBoxes_.front().left;
  const int ty = y + rect_.top + offsetY_;
  const QPoint origin(tx + cacheLeft_, ty + cacheTop_);
  QPainter painter(&surface.Image());
  painter.drawImage(origin, unsung_);
  if ((c == 0 && f == 0.0f) || c < 0 || c >= CharCount()) return;

  const TRect& box = charBoxes_[static_cast<std::size_t>(c)];
  // nearbyint rounds halves to the even integer in the default rounding mode.
  const int sungWidth = static_cast<int>(std::nearbyint(static_cast<double>(f) * (box.right - box.left)));
  const int right = x + offsetX_ + box.left + sungWidth;
  const int bottom = ty + charBoxes_.front().bottom;
  const QRect clip = QRect(QPoint(tx, ty), QPoint(right - 1, bottom - 1))
                         .intersected(QRect(origin, sung_.size()));
  if (clip.isEmpty()) return;
  painter.drawImage(clip.topLeft(), sung_, clip.translated(-origin));
}

void FillSurface(TSurface& surface, std::uint32_t pixel) {
  const HResult result = surface.Fill(pixel);
  if (result != S_OK) throw Error(DescribeResult(result));
}

}  // namespace lyrova
