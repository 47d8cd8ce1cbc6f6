#include "session/library_scan.h"

#include <QMetaObject>

#include "media/recorded_library.h"

namespace lyrova {
namespace {

// Thrown from the progress report to leave an abandoned reading early.
struct TScanAbandoned {};

SongLibrary ReadWithIndex(const std::string& folder, const ScanProgress& progress) {
  return ScanSongLibrary(folder, LibraryIndexFile(folder), progress);
}

}  // namespace

TLibraryScan::TLibraryScan(Progress progress, Finished finished, QObject* parent, Reader reader)
    : QObject(parent),
      progress_(std::move(progress)),
      finished_(std::move(finished)),
      reader_(reader ? std::move(reader) : Reader(ReadWithIndex)) {}

TLibraryScan::~TLibraryScan() {
  // The workers post to this object: none may outlive it.
  for (TWorker& w : workers_) w.abandoned->store(true);
  for (TWorker& w : workers_) w.thread.join();
}

void TLibraryScan::Post(unsigned generation, std::function<void(TLibraryScan&)> action) {
  // Safe from a worker: the destructor joins every worker before this object goes.
  QMetaObject::invokeMethod(
      this,
      [this, generation, action = std::move(action)] {
        if (generation_ == generation) action(*this);
      },
      Qt::QueuedConnection);
}

void TLibraryScan::JoinFinishedWorkers() {
  for (auto w = workers_.begin(); w != workers_.end();) {
    if (w->done->load()) {
      w->thread.join();
      w = workers_.erase(w);
    } else {
      ++w;
    }
  }
}

void TLibraryScan::Stop() {
  if (!workers_.empty()) workers_.back().abandoned->store(true);
  ++generation_;
  running_ = false;
  JoinFinishedWorkers();
}

void TLibraryScan::Start(const std::string& folder) {
  Stop();
  folder_ = folder;
  running_ = true;
  const unsigned generation = generation_;
  TWorker& worker = workers_.emplace_back();
  worker.thread = std::thread([this, folder, generation, abandoned = worker.abandoned, done = worker.done] {
    int shownPercent = -1;
    const ScanProgress progress = [&](std::size_t read, std::size_t total) {
      if (abandoned->load()) throw TScanAbandoned{};
      // Still listing the folders: nothing to show yet.
      if (total == 0) return;
      // A hundred reports at most, so the owner's queue never floods.
      const int percent = static_cast<int>(read * 100 / total);
      if (percent == shownPercent) return;
      shownPercent = percent;
      Post(generation, [read, total](TLibraryScan& scan) {
        if (scan.progress_) scan.progress_(static_cast<int>(read), static_cast<int>(total));
      });
    };
    std::shared_ptr<SongLibrary> library;
    try {
      library = std::make_shared<SongLibrary>(reader_(folder, progress));
    } catch (const TScanAbandoned&) {
    } catch (const std::exception& e) {
      // Out of memory or the like: the library stays empty and says why.
      library = std::make_shared<SongLibrary>();
      library->folder = folder;
      library->broken.push_back({folder, e.what()});
    }
    if (library && !abandoned->load()) {
      Post(generation, [library](TLibraryScan& scan) {
        scan.running_ = false;
        if (scan.finished_) scan.finished_(std::move(*library));
      });
    }
    done->store(true);
  });
}

}  // namespace lyrova
