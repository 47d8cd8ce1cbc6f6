#pragma once
// An underlined text link: dark blue at rest, pure blue under the pointer,
// which keeps its ordinary arrow shape.

#include <QColor>
#include <QLabel>
#include <QString>

class QMouseEvent;

namespace lyrova {

class TLinkLabel : public QLabel {
  Q_OBJECT

 public:
  static inline const QColor kRestColor{0, 0, 160};
  static inline const QColor kHoverColor{0, 0, 255};

  explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetTextColor(const QColor& color);

  bool leftDown_ = false;
};

}  // namespace lyrova
