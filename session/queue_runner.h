#pragma once
// TQueueRunner: the singer queue driving the player through an evening.
// Once the host has started it, each song of the queue that ends (or is
// skipped) is marked sung, "up next" shows for a countdown and the next turn
// starts by itself; with the countdown set to 0 it waits for the host. A
// stop by the host ends the run, and the song stopped waits in its place.
// Songs started from the lists meanwhile leave the queue as it is.

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "session/queue_keeper.h"

namespace lyrova {

class TQueueRunner : public QObject {
  Q_OBJECT

 public:
  // `play` starts an entry's song in the player.
  TQueueRunner(TQueueKeeper& queue, std::function<void(const TQueueEntry&)> play, QObject* parent = nullptr);

  // Seconds of "up next" before the next song; 0 waits for the host.
  void SetCountdown(int seconds) { countdown_ = seconds; }
  int Countdown() const { return countdown_; }

  // Host: the next turn now (false when the queue is empty), or this entry.
  bool StartNext();
  bool Play(std::uint64_t id);
  // The player: the queue's song ended by itself or was skipped.
  void SongEnded();
  // The host stopped the song (or started another from the lists).
  void SongStopped();

  // Whether the run goes on from song to song.
  bool Running() const { return running_; }
  // The countdown's seconds left; nothing when none runs.
  std::optional<int> SecondsLeft() const { return secondsLeft_; }
  // The queue's song playing now, if any.
  std::optional<std::uint64_t> PlayingId() const { return playing_; }

  // One second of the countdown (the timer's; tests call it directly).
  void Tick();

 signals:
  // The countdown, the song playing or the run changed.
  void upNextChanged();

 private:
  void BetweenSongs();

  TQueueKeeper& queue_;
  std::function<void(const TQueueEntry&)> play_;
  QTimer timer_;
  int countdown_ = 10;
  bool running_ = false;
  std::optional<int> secondsLeft_;
  std::optional<std::uint64_t> playing_;
};

}  // namespace lyrova
