#include "video/up_next_layer.h"

#include <QPainter>

namespace lyrova {

namespace {

constexpr int kMargin = 24;
constexpr int kCodeSide = 150;  // design pixels of the QR code
const QColor kBand(0, 0, 0, 170);

QFont Font(const TPictureScale& scale, int design, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(std::max(1, scale.Length(design)));
  font.setBold(bold);
  return font;
}

}  // namespace

void TUpNextLayer::Set(TUpNext upNext) {
  auto content = std::make_shared<const TUpNext>(std::move(upNext));
  std::lock_guard lock(mutex_);
  content_ = std::move(content);
}

void TUpNextLayer::Draw(TSurface& back, const TPictureScale& scale, bool betweenSongs) {
  if (!back.Exists()) return;
  std::shared_ptr<const TUpNext> content;
  {
    std::lock_guard lock(mutex_);
    content = content_;
  }
  if (!content) return;
  if (rendered_.content != content || rendered_.scale != scale.scale) {
    Render(*content, scale);
    rendered_.content = content;
    rendered_.scale = scale.scale;
  }
  const QImage& image = betweenSongs ? rendered_.card : rendered_.edge;
  if (image.isNull()) return;
  QPainter painter(&back.Image());
  painter.drawImage(QPoint(scale.X(0), scale.Y(betweenSongs ? kCardTop : 0)), image);
}

void TUpNextLayer::Render(const TUpNext& content, const TPictureScale& scale) {
  rendered_.card = QImage();
  rendered_.edge = QImage();
  const int width = scale.Length(TPictureScale::kDesignWidth);
  if (!content.edge.empty()) {
    rendered_.edge = QImage(width, scale.Length(kEdgeHeight), QImage::Format_ARGB32_Premultiplied);
    rendered_.edge.fill(kBand);
    QPainter painter(&rendered_.edge);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(Font(scale, 17, false));
    painter.setPen(Qt::white);
    painter.drawText(rendered_.edge.rect().adjusted(scale.Length(kMargin), 0, -scale.Length(kMargin), 0),
                     Qt::AlignVCenter | Qt::AlignLeft, QString::fromStdString(content.edge));
  }
  if (content.lines.empty() && content.address.empty()) return;
  QImage card(width, scale.Length(kCardHeight), QImage::Format_ARGB32_Premultiplied);
  card.fill(kBand);
  QPainter painter(&card);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const int margin = scale.Length(kMargin);
  int right = card.width() - margin;
  if (!content.code.isNull()) {
    // Scaled by whole modules and without smoothing, so that a camera reads it.
    const int side = scale.Length(kCodeSide);
    const int module = std::max(1, side / content.code.width());
    const QRect box(card.width() - margin - module * content.code.width(), margin, module * content.code.width(),
                    module * content.code.height());
    painter.drawImage(box, content.code);
    painter.setFont(Font(scale, 15, false));
    painter.setPen(Qt::white);
    painter.drawText(QRect(box.left() - margin, box.bottom() + scale.Length(6), box.width() + 2 * margin,
                           scale.Length(22)),
                     Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(content.address));
    right = box.left() - margin;
  }
  int y = margin;
  for (std::size_t i = 0; i < content.lines.size(); ++i) {
    const int size = i == 0 ? 40 : 28;
    painter.setFont(Font(scale, size, i == 0));
    painter.setPen(i == 0 ? QColor(255, 230, 120) : QColor(Qt::white));
    const QRect box(margin, y, right - margin, scale.Length(size + 16));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(QString::fromStdString(content.lines[i]), Qt::ElideRight,
                                                      box.width()));
    y += box.height() + scale.Length(8);
  }
  if (!content.status.empty()) {
    painter.setFont(Font(scale, 26, true));
    painter.setPen(Qt::white);
    painter.drawText(QRect(margin, card.height() - margin - scale.Length(40), right - margin, scale.Length(40)),
                     Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(content.status));
  }
  painter.end();
  rendered_.card = std::move(card);
}

}  // namespace lyrova
