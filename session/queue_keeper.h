#pragma once
// TQueueKeeper: the singer queue as every view shares it (the main window's
// panel, the singer's screen, the web remote). Each change is saved at once
// and then announced, so that no view shows a queue the disk does not hold.

#include <QObject>
#include <ctime>

#include "session/queue_store.h"
#include "session/singer_queue.h"

namespace lyrova {

class TQueueKeeper : public QObject {
  Q_OBJECT

 public:
  // Restores the queue `store` holds, if any.
  explicit TQueueKeeper(TQueueStore store, QObject* parent = nullptr);

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

  // Seconds since the epoch, for the history.
  static std::int64_t Now() { return static_cast<std::int64_t>(std::time(nullptr)); }

 signals:
  void changed();
  // The queue could not be written; it is kept in memory and saved again
  // with the next change.
  void saveFailed(const QString& file);

 private:
  void Changed();

  TQueueStore store_;
  TSingerQueue queue_;
};

}  // namespace lyrova
