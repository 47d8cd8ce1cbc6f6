#pragma once
// Carries the end of a song from the end-of-song thread to the session on
// the main thread and holds that thread until it has been handled, as a sent
// message would. Unlike a plain blocking call it lets go when the session
// closes, so shutdown can wait for the thread without both waiting for each
// other.

#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "playback/song_targets.h"

class QObject;

namespace lyrova {

class TSongEndBridge : public ISongEndTarget {
 public:
  // `receiver` gets a TMessage::SongEnd event and must call Handled() once
  // it has run the handler for it; it must call Close() before it goes away.
  explicit TSongEndBridge(QObject* receiver) : window_(receiver) {}

  // Any thread. On the receiver's own thread the event is delivered at once.
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
