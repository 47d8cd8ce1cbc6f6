#include "video/title_card.h"

#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "display/lyric_font.h"

namespace lyrova {
namespace {

// Design cell heights and the baselines' rows inside the card's band.
struct CardText {
  int fontHeight;
  int top;
};
constexpr CardText kTitle{64, 0};
constexpr CardText kSinger{44, 80};
constexpr CardText kCode{34, 140};
constexpr int kSideMargin = 24;

QRect InkBounds(const QImage& image) {
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(row[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

void TTitleCard::Set(const TSongTitle& title) {
  auto copy = std::make_shared<const TSongTitle>(title);
  std::lock_guard lock(mutex_);
  title_ = std::move(copy);
}

float TTitleCard::Opacity(std::int32_t t, std::optional<std::int32_t> firstSung) {
  if (t == 0 || !firstSung) return 0.0f;
  const std::int64_t into = std::int64_t{t} - *firstSung;
  if (into <= 0) return 1.0f;
  if (into >= kFadeLength) return 0.0f;
  return 1.0f - static_cast<float>(into) / kFadeLength;
}

void TTitleCard::Draw(TSurface& back, const TPictureScale& scale, const TTitleLook& look,
                      float opacity) {
  if (!(opacity > 0.0f) || !back.Exists()) return;
  std::shared_ptr<const TSongTitle> title;
  {
    std::lock_guard lock(mutex_);
    title = title_;
  }
  if (!title) return;
  if (rendered_.title != title || rendered_.scale != scale.scale || !(rendered_.look == look)) {
    Render(*title, scale, look);
    rendered_.title = title;
  }
  if (rendered_.lines.empty()) return;
  QPainter painter(&back.Image());
  painter.setOpacity(std::min(1.0f, opacity));
  for (const auto& [image, offset] : rendered_.lines)
    painter.drawImage(QPoint(scale.X(0), scale.Y(kTop)) + offset, image);
}

void TTitleCard::Render(const TSongTitle& title, const TPictureScale& scale,
                        const TTitleLook& look) {
  rendered_.look = look;
  rendered_.scale = scale.scale;
  rendered_.lines.clear();
  QImage card(scale.Length(TPictureScale::kDesignWidth), scale.Length(kHeight), QImage::Format_ARGB32_Premultiplied);
  if (card.isNull()) return;
  card.fill(Qt::transparent);
  QPainter painter(&card);
  painter.setRenderHint(QPainter::TextAntialiasing);
  std::vector<QRect> boxes;
  const int shadow = std::max(1, scale.Length(kShadowOffset));
  char code[16];
  std::snprintf(code, sizeof code, "%.4u", static_cast<unsigned>(title.code));
  const std::pair<std::string, CardText> lines[] = {
      {title.name, kTitle}, {title.singer, kSinger}, {code, kCode}};
  for (const auto& [text, place] : lines) {
    if (text.empty()) continue;
    // Long titles get a smaller font, as long lyric lines do.
    const int design = FittingFontHeight(text, look.fontName, place.fontHeight,
                                         TPictureScale::kDesignWidth - 2 * kSideMargin);
    const QFont font = MakeLyricFont(look.fontName, scale.FontHeight(design));
    painter.setFont(font);
    const QString shown = QString::fromUtf8(text);
    const QRect box(0, scale.Length(place.top), card.width(), scale.Length(place.fontHeight) + shadow);
    boxes.push_back(box.adjusted(0, 0, shadow, shadow).intersected(card.rect()));
    painter.setPen(LyricColour(look.shadow));
    painter.drawText(box.translated(shadow, shadow), Qt::AlignHCenter | Qt::AlignVCenter, shown);
    painter.setPen(LyricColour(look.text));
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, shown);
  }
  painter.end();
  // Only the ink is kept: blending the empty rest costs every picture.
  for (const QRect& box : boxes) {
    const QImage line = card.copy(box);
    const QRect ink = InkBounds(line);
    if (!ink.isEmpty()) rendered_.lines.emplace_back(line.copy(ink), box.topLeft() + ink.topLeft());
  }
}

}  // namespace lyrova
