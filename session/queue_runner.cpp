#include "session/queue_runner.h"

namespace lyrova {

TQueueRunner::TQueueRunner(TQueueKeeper& queue, std::function<void(const TQueueEntry&)> play, QObject* parent)
    : QObject(parent), queue_(queue), play_(std::move(play)) {
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &TQueueRunner::Tick);
  // A guest signing up while the run waits on an empty queue starts the count.
  connect(&queue_, &TQueueKeeper::changed, this, [this] {
    if (running_ && !playing_ && !secondsLeft_) BetweenSongs();
    emit upNextChanged();
  });
}

bool TQueueRunner::StartNext() {
  const std::vector<TTurn> next = queue_.Queue().Next(1);
  if (next.empty()) return false;
  return Play(next.front().entry->id);
}

bool TQueueRunner::Play(std::uint64_t id) {
  const TQueueEntry* entry = queue_.Queue().Find(id);
  if (!entry) return false;
  const TQueueEntry song = *entry;
  timer_.stop();
  secondsLeft_.reset();
  running_ = true;
  playing_ = id;
  queue_.Edit([&](TSingerQueue& q) { return q.Start(id); });
  play_(song);
  emit upNextChanged();
  return true;
}

void TQueueRunner::SongEnded() {
  if (!playing_) return;
  const std::uint64_t id = *playing_;
  playing_.reset();
  queue_.Edit([&](TSingerQueue& q) { return q.Done(id, TQueueKeeper::Now()); });
  BetweenSongs();
  emit upNextChanged();
}

void TQueueRunner::SongStopped() {
  timer_.stop();
  secondsLeft_.reset();
  running_ = false;
  if (playing_) {
    playing_.reset();
    queue_.Edit([](TSingerQueue& q) {
      q.Stopped();
      return true;
    });
  }
  emit upNextChanged();
}

void TQueueRunner::BetweenSongs() {
  if (!running_ || countdown_ <= 0 || queue_.Queue().Next(1).empty()) {
    secondsLeft_.reset();
    timer_.stop();
    return;
  }
  secondsLeft_ = countdown_;
  timer_.start();
}

void TQueueRunner::Tick() {
  if (!secondsLeft_) return;
  if (--*secondsLeft_ > 0) {
    emit upNextChanged();
    return;
  }
  timer_.stop();
  secondsLeft_.reset();
  if (!StartNext()) emit upNextChanged();
}

}  // namespace lyrova
