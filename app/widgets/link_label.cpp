#include "app/widgets/link_label.h"

#include <QFont>
#include <QMouseEvent>
#include <QPalette>

namespace lyrova {
namespace {

QFont LinkFont() {
  QFont font;
  // 8 points at 96 dots per inch; the first family is rarely present outside
  // Windows, so the others keep the same look.
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  font.setUnderline(true);
  return font;
}

}  // namespace

TLinkLabel::TLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setFont(LinkFont());
  setTextFormat(Qt::PlainText);
  SetTextColor(kRestColor);
}

void TLinkLabel::SetTextColor(const QColor& color) {
  QPalette pal = palette();
  pal.setColor(QPalette::WindowText, color);
  setPalette(pal);
}

void TLinkLabel::enterEvent(QEnterEvent* event) {
  SetTextColor(kHoverColor);
  QLabel::enterEvent(event);
}

void TLinkLabel::leaveEvent(QEvent* event) {
  SetTextColor(kRestColor);
  QLabel::leaveEvent(event);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) leftDown_ = true;
  event->accept();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || !leftDown_) return;
  leftDown_ = false;
  if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace lyrova
