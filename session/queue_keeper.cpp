#include "session/queue_keeper.h"

namespace lyrova {

TQueueKeeper::TQueueKeeper(TQueueStore store, QObject* parent) : QObject(parent), store_(std::move(store)) {
  if (std::optional<TSingerQueue::TState> state = store_.Load()) queue_.Restore(std::move(*state));
}

void TQueueKeeper::Changed() {
  if (!store_.Save(queue_.State())) emit saveFailed(store_.FileName());
  emit changed();
}

}  // namespace lyrova
