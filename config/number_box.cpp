#include "config/number_box.h"

#include <algorithm>

namespace lyrova {

TNumberBox::TNumberBox(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
  setRange(minimum, maximum);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State TNumberBox::validate(QString& text, int& pos) const {
  const QValidator::State state = QSpinBox::validate(text, pos);
  // Typing is never refused; fixup settles the text afterwards.
  return state == QValidator::Invalid ? QValidator::Intermediate : state;
}

void TNumberBox::fixup(QString& input) const {
  bool ok = false;
  const qlonglong typed = input.trimmed().toLongLong(&ok);
  input = QString::number(ok ? std::clamp<qlonglong>(typed, minimum(), maximum()) : minimum());
}

}  // namespace lyrova
