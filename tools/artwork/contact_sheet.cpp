#include "tools/artwork/contact_sheet.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "tools/artwork/button_body.h"

namespace lyrova::artwork {

QImage ContactSheet(const std::vector<NamedPicture>& pictures, int zoom) {
  constexpr int kGap = 12;
  constexpr int kLabel = 16;
  constexpr int kPerRow = 4;

  int cellW = 0;
  int cellH = 0;
  for (const NamedPicture& pic : pictures) {
    cellW = std::max(cellW, pic.image.width() * (zoom + 1) + kGap);
    cellH = std::max(cellH, pic.image.height() * zoom + kLabel);
  }
  const int rows = (static_cast<int>(pictures.size()) + kPerRow - 1) / kPerRow;
  QImage sheet(kGap + kPerRow * (cellW + kGap), kGap + rows * (cellH + kGap),
               QImage::Format_RGB32);
  sheet.fill(kWindowGrey);

  QPainter p(&sheet);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(11);
  p.setFont(font);
  for (size_t i = 0; i < pictures.size(); ++i) {
    const QImage& image = pictures[i].image;
    const int x = kGap + static_cast<int>(i % kPerRow) * (cellW + kGap);
    const int y = kGap + static_cast<int>(i / kPerRow) * (cellH + kGap);
    p.drawText(x, y + 11, pictures[i].name);
    p.drawImage(x, y + kLabel, image);
    p.drawImage(QRect(x + image.width() + kGap, y + kLabel, image.width() * zoom,
                      image.height() * zoom),
                image);
  }
  return sheet;
}

}  // namespace lyrova::artwork
