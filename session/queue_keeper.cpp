#include "session/queue_keeper.h"

namespace lyrova {

TQueueKeeper::TQueueKeeper(TQueueStore store, QObject* parent) : QObject(parent), store_(std::move(store)) {
  if (std::optional<TSingerQueue::TState> state = store_.Load()) queue_.Restore(std::move(*state));
  writer_ = std::thread([this] { Write(); });
}

TQueueKeeper::~TQueueKeeper() {
  {
    std::lock_guard lock(mutex_);
    closing_ = true;
  }
  wake_.notify_one();
  writer_.join();
}

void TQueueKeeper::Changed() {
  QByteArray json = QueueJson(queue_.State());
  {
    std::lock_guard lock(mutex_);
    pending_ = std::move(json);
    ++asked_;
  }
  wake_.notify_one();
  emit changed();
}

void TQueueKeeper::Flush() {
  std::unique_lock lock(mutex_);
  const std::uint64_t asked = asked_;
  written_.wait(lock, [&] { return done_ >= asked; });
}

void TQueueKeeper::Write() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return pending_ || closing_; });
    if (!pending_) return;  // closing, with everything written
    const QByteArray json = std::move(*pending_);
    pending_.reset();
    const std::uint64_t asked = asked_;
    lock.unlock();
    const bool saved = store_.SaveJson(json);
    if (!saved) {
      QMetaObject::invokeMethod(
          this, [this, file = store_.FileName()] { emit saveFailed(file); }, Qt::QueuedConnection);
    }
    lock.lock();
    done_ = asked;
    written_.notify_all();
  }
}

}  // namespace lyrova
