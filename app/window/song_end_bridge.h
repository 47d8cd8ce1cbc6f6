#pragma once
// Carries the end of a song from the end-of-song thread to the main window
// and holds that thread until the window has handled it, as a sent message
// would. Unlike a plain blocking call it lets go when the window closes, so
// shutdown can wait for the thread without both waiting for each other.

#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "playback/song_targets.h"

class QObject;

namespace lyrova {

class TSongEndBridge : public ISongEndTarget {
 public:
  // `window` receives a TMessage::SongEnd event and must call Handled() once
  // it has run the handler for it; it must call Close() before it goes away.
  explicit TSongEndBridge(QObject* window) : window_(window) {}

  // Any thread. On the window's own thread the event is delivered at once.
  void WMSongEnd(std::uint32_t serial) override;

  // Main thread: the handler for one SongEnd event has run.
  void Handled();
  // Main thread: no more ends are delivered and every waiting thread goes on.
  void Close();

 private:
  QObject* const window_;
  std::mutex mutex_;
  std::condition_variable handledCv_;
  std::uint64_t posted_ = 0;
  std::uint64_t handled_ = 0;
  bool closing_ = false;
};

}  // namespace lyrova
