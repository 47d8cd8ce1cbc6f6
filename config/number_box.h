#pragma once
// A number box with arrows that takes any typed text and settles it when it
// loses the focus: a number outside the range becomes the nearest bound, a
// text that is not a whole number becomes the minimum.

#include <QSpinBox>

namespace lyrova {

class TNumberBox : public QSpinBox {
  Q_OBJECT

 public:
  TNumberBox(int minimum, int maximum, QWidget* parent = nullptr);

 protected:
  QValidator::State validate(QString& text, int& pos) const override;
  void fixup(QString& input) const override;
};

}  // namespace lyrova
