#pragma once
// The song library read on a worker thread, so that the window never waits
// for it: progress and the finished library reach the main thread through
// its event loop.

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "catalog/song_library.h"

namespace lyrova {

class TLibraryScan : public QObject {
  Q_OBJECT

 public:
  using Progress = std::function<void(int done, int total)>;
  using Finished = std::function<void(SongLibrary library)>;

  // Both are called on the thread that owns this object.
  TLibraryScan(Progress progress, Finished finished, QObject* parent = nullptr);
  // Abandons a scan still running and waits for its thread.
  ~TLibraryScan() override;

  // Starts reading `folder` with its index in the user's cache folder; a
  // scan still running is abandoned and its result never delivered.
  void Start(const std::string& folder);
  bool Running() const { return running_; }
  // The folder of the last scan started, empty before the first.
  const std::string& Folder() const { return folder_; }

 private:
  void Abandon();

  Progress progress_;
  Finished finished_;
  std::string folder_;
  std::thread worker_;
  std::shared_ptr<std::atomic<bool>> abandoned_;
  unsigned generation_ = 0;
  bool running_ = false;
};

}  // namespace lyrova
