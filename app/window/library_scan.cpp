#include "app/window/library_scan.h"

#include <QMetaObject>
#include <QPointer>

namespace lyrova {
namespace {

// Thrown from the progress report to leave an abandoned scan early.
struct TScanAbandoned {};

}  // namespace

TLibraryScan::TLibraryScan(Progress progress, Finished finished, QObject* parent)
    : QObject(parent), progress_(std::move(progress)), finished_(std::move(finished)) {}

TLibraryScan::~TLibraryScan() { Abandon(); }

void TLibraryScan::Abandon() {
  if (abandoned_) abandoned_->store(true);
  if (worker_.joinable()) worker_.join();
  running_ = false;
}

void TLibraryScan::Start(const std::string& folder) {
  Abandon();
  folder_ = folder;
  running_ = true;
  const unsigned generation = ++generation_;
  abandoned_ = std::make_shared<std::atomic<bool>>(false);
  const auto abandoned = abandoned_;
  const QPointer<TLibraryScan> self(this);
  // Runs `action` on the owner's thread unless this scan was left meanwhile.
  const auto post = [self, generation](std::function<void(TLibraryScan&)> action) {
    QMetaObject::invokeMethod(
        self.data(),
        [self, generation, action = std::move(action)] {
          if (self && self->generation_ == generation) action(*self);
        },
        Qt::QueuedConnection);
  };
  worker_ = std::thread([folder, abandoned, post] {
    int shownPercent = -1;
    const ScanProgress progress = [&](std::size_t done, std::size_t total) {
      if (abandoned->load()) throw TScanAbandoned{};
      // A hundred reports at most, so the window's queue never floods.
      const int percent = total == 0 ? 100 : static_cast<int>(done * 100 / total);
      if (percent == shownPercent) return;
      shownPercent = percent;
      post([done, total](TLibraryScan& scan) {
        if (scan.progress_) scan.progress_(static_cast<int>(done), static_cast<int>(total));
      });
    };
    try {
      auto library = std::make_shared<SongLibrary>(ScanLibrary(folder, LibraryIndexFile(folder), progress));
      post([library](TLibraryScan& scan) {
        scan.running_ = false;
        if (scan.finished_) scan.finished_(std::move(*library));
      });
    } catch (const TScanAbandoned&) {
    } catch (const std::exception& e) {
      // Out of memory or the like: the library stays empty and says why.
      auto library = std::make_shared<SongLibrary>();
      library->folder = folder;
      library->broken.push_back({folder, e.what()});
      post([library](TLibraryScan& scan) {
        scan.running_ = false;
        if (scan.finished_) scan.finished_(std::move(*library));
      });
    }
  });
}

}  // namespace lyrova
