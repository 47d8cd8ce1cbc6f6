#include "app/window/sound_line.h"

namespace lyrova {

QString SoundLineText(const TAudioStatus& status) {
  if (status.name.empty() || status.silent)
    return QStringLiteral("Звук: нет звукового устройства, песни идут без звука");
  return QStringLiteral("Звук: %1, %2 мс").arg(QString::fromStdString(status.name)).arg(status.latencyMs);
}

TSoundLine::TSoundLine(std::function<std::optional<TAudioStatus>()> status, QWidget* parent)
    : QLabel(parent), status_(std::move(status)) {
  setTextFormat(Qt::PlainText);
  connect(&timer_, &QTimer::timeout, this, &TSoundLine::Refresh);
  timer_.start(250);
  Refresh();
}

void TSoundLine::Refresh() {
  const std::optional<TAudioStatus> status = status_();
  const QString text = status ? SoundLineText(*status) : QString();
  // Unchanged text is not set again, so the line costs no relayout.
  if (text != this->text()) setText(text);
}

}  // namespace lyrova
