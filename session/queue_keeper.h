#pragma once
// TQueueKeeper: the singer queue as every view shares it (the main window's
// panel, the singer's screen, the web remote). Each change is announced at
// once and saved by a writer thread of its own: a save waits for the disk
// (tens of milliseconds on a busy one), which neither the window nor the
// phones should wait for. Changes that come while a save runs are saved
// together right after it, the newest state winning; closing waits for the
// last save.

#include <QObject>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <optional>
#include <thread>

#include "session/queue_store.h"
#include "session/singer_queue.h"

namespace lyrova {

class TQueueKeeper : public QObject {
  Q_OBJECT

 public:
  // Restores the queue `store` holds, if any.
  explicit TQueueKeeper(TQueueStore store, QObject* parent = nullptr);
  ~TQueueKeeper() override;

  const TSingerQueue& Queue() const { return queue_; }
  const TQueueStore& Store() const { return store_; }

  // Runs `change` on the queue; when it reports a change (true), the queue
  // is saved and `changed` emitted. Returns what `change` returned.
  template <class Change>
  auto Edit(Change&& change) {
    auto result = change(queue_);
    if (result) Changed();
    return result;
  }

  // Waits until every change made so far is on disk.
  void Flush();

  // Seconds since the epoch, for the history.
  static std::int64_t Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

 signals:
  void changed();
  // The queue could not be written; it is kept in memory and saved again
  // with the next change.
  void saveFailed(const QString& file);

 private:
  void Changed();
  void Write();

  TQueueStore store_;
  TSingerQueue queue_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable written_;
  std::optional<QByteArray> pending_;  // the newest state not yet taken by the writer
  std::uint64_t asked_ = 0;            // saves asked for, and done
  std::uint64_t done_ = 0;
  bool closing_ = false;
  std::thread writer_;
};

}  // namespace lyrova
