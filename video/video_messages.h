#pragma once
// The private messages between the video window and the main window, as Qt
// event types keeping their historical numbers (WM_USER + n, WM_USER = 1024).

#include <QEvent>
#include <string>
#include <utility>

namespace lyrova {

// Posted to the video window: open VideoFile and start the film.
inline const QEvent::Type kWMPlayVideo = static_cast<QEvent::Type>(1025);
// Posted to the video window: stop the film.
inline const QEvent::Type kWMStopVideo = static_cast<QEvent::Type>(1026);
// Posted to the main window (as a TBadVidFileEvent) when the film cannot be started.
inline const QEvent::Type kWMBadVidFile = static_cast<QEvent::Type>(1028);

// WMBadVidFile with what was tried and why it failed, so that the main window
// can tell the user instead of retrying the same file without end.
class TBadVidFileEvent : public QEvent {
 public:
  // `file` as the file system spells it, empty when no film was set yet;
  // `reason` in the interface's language, UTF-8.
  TBadVidFileEvent(std::string file, std::string reason)
      : QEvent(kWMBadVidFile), file_(std::move(file)), reason_(std::move(reason)) {}

  const std::string& File() const { return file_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string file_;
  std::string reason_;
};

}  // namespace lyrova
