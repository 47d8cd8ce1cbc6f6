// The queue on disk: the whole state back after a restart, and a file cut
// short or left half written by a crash never losing the queue.

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "session/queue_keeper.h"
#include "session/queue_store.h"

namespace lyrova {
namespace {

TQueueEntry Song(std::string singer, std::string title, std::uint32_t code) {
  TQueueEntry e;
  e.singer = std::move(singer);
  e.title = std::move(title);
  e.code = code;
  return e;
}

TSingerQueue Evening() {
  TSingerQueue q;
  TQueueEntry first = Song("Аня", "Калинка", 1);
  first.key = -2;
  first.tempo = 3;
  first.owner = "f00d";
  q.Add(first);
  TQueueEntry library = Song("Борис", "Ой, мороз", 2);
  library.libraryFile = "Мои/song \"1\".kar";
  q.Add(library);
  q.Add(Song("Аня", "Третья", 3));
  q.Add(Song("Вика", "Вика поёт", 4));
  q.SetHeld("Вика", true);
  q.Done(q.Next(1)[0].entry->id, 1'700'000'000);
  return q;
}

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

TEST(QueueStore, RestartGivesTheWholeQueue) {
  QTemporaryDir dir;
  TQueueStore store(dir.path() + "/lyrova");
  EXPECT_FALSE(store.Load());  // a first evening: nothing yet
  const TSingerQueue before = Evening();
  ASSERT_TRUE(store.Save(before.State()));
  const std::optional<TSingerQueue::TState> loaded = store.Load();
  ASSERT_TRUE(loaded);
  EXPECT_EQ(*loaded, before.State());
  TSingerQueue after;
  ASSERT_TRUE(after.Restore(*loaded));
  std::vector<std::uint64_t> a, b;
  for (const TTurn& t : before.Upcoming()) a.push_back(t.entry->id);
  for (const TTurn& t : after.Upcoming()) b.push_back(t.entry->id);
  EXPECT_EQ(a, b);
  EXPECT_GT(after.Add(Song("Гость", "x", 5)), before.State().nextId - 1);
}

TEST(QueueStore, DamagedFileFallsBackToItsCopy) {
  const TSingerQueue::TState older = [] {
    TSingerQueue q;
    q.Add(Song("Аня", "Старая", 9));
    return q.State();
  }();
  const QByteArray whole = QueueJson(Evening().State());
  struct Case {
    const char* what;
    QByteArray file;
    bool copyWhole;
    bool expected;  // the queue comes back (from the file or its copy)
  };
  const std::vector<Case> cases{
      {"cut short", whole.left(whole.size() / 2), true, true},
      {"empty", QByteArray(), true, true},
      {"not json", "garbage", true, true},
      {"another file's json", R"({"format":"other","version":1,"nextId":1,"singers":[]})", true, true},
      {"an id twice",
       R"({"format":"lyrova-queue","version":1,"round":1,"nextId":5,"singers":[{"name":"A","songs":[{"id":1,"code":1},{"id":1,"code":2}]}]})",
       true, true},
      {"a name with a line break",
       R"({"format":"lyrova-queue","version":1,"round":1,"nextId":5,"singers":[{"name":"A\nB","songs":[]}]})", true,
       true},
      {"both damaged", whole.left(10), false, false},
  };
  for (const Case& c : cases) {
    QTemporaryDir dir;
    TQueueStore store(dir.path());
    ASSERT_TRUE(store.Save(older));
    WriteFile(store.FileName(), c.file);
    if (!c.copyWhole) WriteFile(store.CopyName(), c.file);
    const std::optional<TSingerQueue::TState> loaded = store.Load();
    EXPECT_EQ(loaded.has_value(), c.expected) << c.what;
    if (loaded) {
      EXPECT_EQ(*loaded, older) << c.what;
    }
  }
}

TEST(QueueStore, SaveInterruptedLeavesFormerFile) {
  // What a crash during a save leaves: the former file and a half-written
  // temporary one beside it.
  QTemporaryDir dir;
  TQueueStore store(dir.path());
  const TSingerQueue q = Evening();
  ASSERT_TRUE(store.Save(q.State()));
  WriteFile(store.FileName() + ".aBc123", QueueJson(q.State()).left(40));
  EXPECT_EQ(store.Load(), q.State());
}

TEST(QueueStore, KeeperSavesEveryChangeBeforeItCloses) {
  QTemporaryDir dir;
  TSingerQueue::TState last;
  {
    TQueueKeeper keeper{TQueueStore(dir.path())};
    // A burst faster than the disk: the newest state is what must be there.
    for (int i = 0; i < 200; ++i) keeper.Edit([&](TSingerQueue& q) { return q.Add(Song("Гость " + std::to_string(i % 7), "x", 1)); });
    keeper.Flush();
    EXPECT_EQ(TQueueStore(dir.path()).Load(), keeper.Queue().State());
    keeper.Edit([](TSingerQueue& q) { return q.RemoveSinger("Гость 3"); });
    last = keeper.Queue().State();
  }
  EXPECT_EQ(TQueueStore(dir.path()).Load(), last);
  TQueueKeeper again{TQueueStore(dir.path())};
  EXPECT_EQ(again.Queue().State(), last);
}

TEST(QueueStore, HistoryAsCsv) {
  const std::vector<TSungSong> history{{0, "Аня", 12, "Калинка"}, {60, "Борис, \"Б\"", 1234, "Ой\nмороз"}};
  const QString csv = QString::fromUtf8(HistoryCsv(history));
  const QStringList lines = csv.split("\r\n");
  ASSERT_EQ(lines.size(), 4);  // header, two songs, the final line break
  EXPECT_EQ(lines[0], "Time,Singer,Code,Title");
  EXPECT_TRUE(lines[1].endsWith(",Аня,0012,Калинка")) << lines[1].toStdString();
  EXPECT_TRUE(lines[2].endsWith(",\"Борис, \"\"Б\"\"\",1234,\"Ой\nмороз\"")) << lines[2].toStdString();
  EXPECT_TRUE(lines[3].isEmpty());
}

}  // namespace
}  // namespace lyrova
