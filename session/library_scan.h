#pragma once
// The song library read on a worker thread, so that nobody waits for it:
// progress and the finished library reach the owner's thread through its
// event loop. A new reading leaves the one before at once; that worker
// stops at its next file or folder and its result is never delivered.

#include <QObject>
#include <atomic>
#include <functional>
#include <list>
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
  // What reads a folder: ScanLibrary with the folder's index, unless a test
  // puts something else in its place.
  using Reader = std::function<SongLibrary(const std::string& folder, const ScanProgress& progress)>;

  // Both are called on the thread that owns this object.
  TLibraryScan(Progress progress, Finished finished, QObject* parent = nullptr, Reader reader = {});
  // Abandons every reading and waits for their threads.
  ~TLibraryScan() override;

  // Starts reading `folder`; a reading still running is abandoned without
  // waiting for it.
  void Start(const std::string& folder);
  // Abandons a reading under way without waiting for it; nothing is delivered.
  void Stop();
  bool Running() const { return running_; }
  // The folder of the last reading started, empty before the first.
  const std::string& Folder() const { return folder_; }

 private:
  struct TWorker {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> abandoned = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<bool>> done = std::make_shared<std::atomic<bool>>(false);
  };
  // Runs `action` on the owner's thread unless reading `generation` was left meanwhile.
  void Post(unsigned generation, std::function<void(TLibraryScan&)> action);
  void JoinFinishedWorkers();

  Progress progress_;
  Finished finished_;
  Reader reader_;
  std::string folder_;
  std::list<TWorker> workers_;  // the newest last
  unsigned generation_ = 0;
  bool running_ = false;
};

}  // namespace lyrova
