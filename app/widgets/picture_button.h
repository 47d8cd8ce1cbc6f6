#pragma once
// A bitmap that acts as a button: it shows its pressed picture while a mouse
// button is held on it and reports a click when the left button is released
// over it.

#include <QImage>
#include <QLabel>
#include <QString>

class QMouseEvent;

namespace lyrova {

class TPictureButton : public QLabel {
  Q_OBJECT

 public:
  // `baseName` names the pair of pictures: "ADD" rests as ADD1 and shows ADD2
  // while pressed.
  explicit TPictureButton(const QString& baseName, QWidget* parent = nullptr);

 signals:
  // Runs while the pressed picture still shows, so a dialog opened from here
  // leaves the button looking pressed until it closes.
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowPicture(const QImage& picture);

  QImage resting_;
  QImage pressed_;
  Qt::MouseButtons heldButtons_ = Qt::NoButton;
};

}  // namespace lyrova
