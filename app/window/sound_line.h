#pragma once
// One plain line in the main window saying which output plays the music and
// how late the singer hears it, or that there is no sound device.

#include <QLabel>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

#include "playback/output_keeper.h"

namespace lyrova {

// "Звук: PulseAudio, 45 мс", or the line for songs that run silently.
QString SoundLineText(const TAudioStatus& status);

class TSoundLine : public QLabel {
 public:
  // `status` is asked four times a second and must not wait for a device;
  // nothing while there is no synthesizer yet, and the line stays empty.
  TSoundLine(std::function<std::optional<TAudioStatus>()> status, QWidget* parent);

 private:
  void Refresh();

  std::function<std::optional<TAudioStatus>()> status_;
  QTimer timer_;
};

}  // namespace lyrova
