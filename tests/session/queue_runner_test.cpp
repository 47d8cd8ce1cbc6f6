// An evening driven by the queue: the countdown between songs, the host's
// stop and start, a guest signing up while the run waits, and a countdown of
// 0 that waits for the host.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "session/queue_runner.h"

namespace lyrova {
namespace {

TQueueEntry Song(std::string singer, std::string title) {
  TQueueEntry e;
  e.singer = std::move(singer);
  e.title = std::move(title);
  return e;
}

struct Evening {
  QTemporaryDir dir;
  TQueueKeeper keeper{TQueueStore(dir.path())};
  std::vector<std::string> played;
  TQueueRunner runner{keeper, [this](const TQueueEntry& e) { played.push_back(e.title); }};
  void Add(const char* singer, const char* title) {
    keeper.Edit([&](TSingerQueue& q) { return q.Add(Song(singer, title)); });
  }
};

TEST(QueueRunner, CountsDownThenStartsTheNextTurn) {
  Evening e;
  e.runner.SetCountdown(3);
  EXPECT_FALSE(e.runner.StartNext());  // nothing queued yet
  e.Add("Аня", "a1");
  e.Add("Аня", "a2");
  e.Add("Борис", "b1");
  EXPECT_FALSE(e.runner.SecondsLeft());  // not started: no countdown
  ASSERT_TRUE(e.runner.StartNext());
  EXPECT_EQ(e.played, std::vector<std::string>{"a1"});
  EXPECT_EQ(e.keeper.Queue().Next(1)[0].entry->title, "b1");  // during a1, b1 is next

  e.runner.SongEnded();
  ASSERT_EQ(e.keeper.Queue().History().size(), 1u);
  EXPECT_EQ(e.runner.SecondsLeft(), 3);
  e.runner.Tick();
  e.runner.Tick();
  EXPECT_EQ(e.runner.SecondsLeft(), 1);
  e.runner.Tick();
  EXPECT_EQ(e.played, (std::vector<std::string>{"a1", "b1"}));
  EXPECT_FALSE(e.runner.SecondsLeft());

  // The host stops b1: it waits again, and the run waits for the host.
  e.runner.SongStopped();
  EXPECT_FALSE(e.runner.Running());
  EXPECT_EQ(e.keeper.Queue().Next(1)[0].entry->title, "b1");
  e.runner.SongEnded();  // the stopped song's end moves nothing
  EXPECT_EQ(e.keeper.Queue().History().size(), 1u);

  ASSERT_TRUE(e.runner.StartNext());
  e.runner.SongEnded();
  for (int i = 0; i < 3; ++i) e.runner.Tick();
  EXPECT_EQ(e.played, (std::vector<std::string>{"a1", "b1", "b1", "a2"}));
  e.runner.SongEnded();
  EXPECT_FALSE(e.runner.SecondsLeft());  // the queue is empty: nothing to count to
  EXPECT_TRUE(e.runner.Running());

  e.Add("Вика", "c1");  // a guest signs up: the count starts by itself
  EXPECT_EQ(e.runner.SecondsLeft(), 3);
  std::vector<std::string> sung;
  for (const TSungSong& s : e.keeper.Queue().History()) sung.push_back(s.title);
  EXPECT_EQ(sung, (std::vector<std::string>{"a1", "b1", "a2"}));
}

TEST(QueueRunner, CountdownZeroWaitsForTheHost) {
  Evening e;
  e.runner.SetCountdown(0);
  e.Add("Аня", "a1");
  e.Add("Борис", "b1");
  e.runner.StartNext();
  e.runner.SongEnded();
  EXPECT_FALSE(e.runner.SecondsLeft());
  e.runner.Tick();
  EXPECT_EQ(e.played.size(), 1u);
  // The host picks any entry to sing now; it counts as that singer's turn.
  ASSERT_TRUE(e.runner.Play(e.keeper.Queue().Next(1)[0].entry->id));
  EXPECT_EQ(e.played.back(), "b1");
}

}  // namespace
}  // namespace lyrova
