// The rotation as scripts: each line of a script is one host or guest
// action, and the order of turns that follows is checked after the last.

#include <gtest/gtest.h>

#include <sstream>

#include "session/singer_queue.h"

namespace lyrova {
namespace {

// "+A x" adds song x for A, "sing" starts and finishes the next turn,
// "play" only starts it, "stop" stops it, "hold A" / "free A", "up A 0"
// moves singer A to place 0, "first x" moves song x to the front of its
// singer's songs, "-x" removes song x, "--A" removes singer A, "late" makes
// newcomers wait for the next round.
struct Script {
  const char* name;
  std::vector<std::string> steps;
  std::string upcoming;  // titles in the order of turns
};

TQueueEntry Song(std::string singer, std::string title, std::uint32_t code = 0) {
  TQueueEntry e;
  e.singer = std::move(singer);
  e.title = std::move(title);
  e.code = code;
  return e;
}

std::uint64_t IdOf(const TSingerQueue& q, const std::string& title) {
  for (const TQueueSinger& s : q.Singers())
    for (const TQueueEntry& e : s.songs)
      if (e.title == title) return e.id;
  return 0;
}

std::string Play(TSingerQueue& q, const std::vector<std::string>& steps) {
  std::int64_t clock = 1000;
  for (const std::string& step : steps) {
    std::istringstream in(step);
    std::string op, a, b;
    in >> op >> a >> b;
    if (op.starts_with("--")) {
      EXPECT_TRUE(q.RemoveSinger(op.substr(2))) << step;
    } else if (op[0] == '+') {
      EXPECT_NE(q.Add(Song(op.substr(1), a)), 0u) << step;
    } else if (op[0] == '-') {
      EXPECT_TRUE(q.Remove(IdOf(q, op.substr(1)))) << step;
    } else if (op == "sing" || op == "play") {
      const std::vector<TTurn> next = q.Next(1);
      EXPECT_EQ(next.size(), 1u) << step;
      if (next.empty()) continue;
      const std::uint64_t id = next[0].entry->id;
      EXPECT_TRUE(q.Start(id));
      if (op == "sing") {
        EXPECT_TRUE(q.Done(id, ++clock));
      }
    } else if (op == "stop") {
      q.Stopped();
    } else if (op == "finish") {
      EXPECT_TRUE(q.Done(q.Playing()->id, ++clock));
    } else if (op == "hold" || op == "free") {
      EXPECT_TRUE(q.SetHeld(a, op == "hold")) << step;
    } else if (op == "up") {
      EXPECT_TRUE(q.MoveSinger(a, std::stoi(b))) << step;
    } else if (op == "first") {
      EXPECT_TRUE(q.MoveEntry(IdOf(q, a), 0)) << step;
    } else if (op == "late") {
      q.SetNewcomer(TNewcomer::NextRound);
    } else {
      ADD_FAILURE() << "unknown step " << step;
    }
  }
  std::string order;
  for (const TTurn& turn : q.Upcoming()) order += (order.empty() ? "" : " ") + turn.entry->title;
  return order;
}

class Rotation : public ::testing::TestWithParam<Script> {};

TEST_P(Rotation, OrderOfTurns) {
  TSingerQueue q;
  EXPECT_EQ(Play(q, GetParam().steps), GetParam().upcoming);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, Rotation,
    ::testing::Values(
        Script{"SignUpOrder", {"+A a1", "+B b1", "+C c1"}, "a1 b1 c1"},
        Script{"SongsSpreadOverRounds", {"+A a1", "+A a2", "+A a3", "+B b1", "+C c1", "+C c2"}, "a1 b1 c1 a2 c2 a3"},
        Script{"NamesMatchWithoutCase", {"+Аня a1", "+Борис b1", "+аНЯ a2"}, "a1 b1 a2"},
        Script{"TurnsGoOnAfterSinging", {"+A a1", "+A a2", "+B b1", "+B b2", "sing"}, "b1 a2 b2"},
        Script{"NewcomerAtEndOfRoundUnderWay", {"+A a1", "+A a2", "+B b1", "+B b2", "sing", "+C c1"}, "b1 c1 a2 b2"},
        Script{"NewcomerWaitsForNextRound",
               {"late", "+A a1", "+A a2", "+B b1", "+B b2", "sing", "+C c1"},
               "b1 a2 b2 c1"},
        Script{"SingerWhoSangAddsForNextRound", {"+A a1", "+B b1", "sing", "+A a2"}, "b1 a2"},
        Script{"RoundEndsWhenAllSang", {"+A a1", "+B b1", "sing", "sing", "+B b2", "+A a2"}, "a2 b2"},
        Script{"HeldSingerPassedOverKeepsSongs", {"+A a1", "+B b1", "+C c1", "+B b2", "hold B"}, "a1 c1"},
        Script{"ReleasedSingerKeepsPlace", {"+A a1", "+B b1", "+C c1", "hold B", "sing", "free B"}, "b1 c1"},
        Script{"HeldThroughRoundSingsNextRound",
               {"+A a1", "+A a2", "+B b1", "hold B", "sing", "free B"},
               "a2 b1"},
        Script{"HostMovesSinger", {"+A a1", "+B b1", "+C c1", "up C 0"}, "c1 a1 b1"},
        Script{"HostMovesEntry", {"+A a1", "+A a2", "+B b1", "first a2"}, "a2 b1 a1"},
        Script{"RemovedEntryAndSinger", {"+A a1", "+A a2", "+B b1", "+C c1", "-a1", "--C"}, "a2 b1"},
        Script{"SingerWithoutSongsKeepsPlace", {"+A a1", "+B b1", "-a1", "sing", "+A a2"}, "a2"},
        Script{"PlayingSongLeavesOrder", {"+A a1", "+A a2", "+B b1", "play"}, "b1 a2"},
        Script{"StoppedSongWaitsAgain", {"+A a1", "+A a2", "+B b1", "play", "stop"}, "a1 b1 a2"},
        Script{"FinishedAfterPlaying", {"+A a1", "+B b1", "play", "+C c1", "finish"}, "b1 c1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SingerQueue, HistoryAndIds) {
  TSingerQueue q;
  const std::uint64_t a = q.Add(Song("Аня", "Калинка", 12));
  const std::uint64_t b = q.Add(Song("Борис", "Ой", 7));
  EXPECT_NE(a, b);
  // The same singer however the name is typed; the first spelling stays.
  EXPECT_NE(q.Add(Song("  аНЯ ", "Ещё")), 0u);
  ASSERT_EQ(q.Singers().size(), 2u);
  EXPECT_EQ(q.Singers()[0].songs.back().singer, "Аня");
  q.Remove(q.Singers()[0].songs.back().id);
  EXPECT_TRUE(q.Done(b, 100));  // the host may mark any entry sung
  EXPECT_FALSE(q.Done(b, 101));
  EXPECT_EQ(q.History(), (std::vector<TSungSong>{{100, "Борис", 7, "Ой"}}));
  EXPECT_EQ(q.Size(), 1u);
  // Ids are never used twice, even after the entry with the highest is gone.
  q.Remove(a);
  EXPECT_GT(q.Add(Song("Аня", "x")), b);
}

TEST(SingerQueue, NamesThatAreRefused) {
  struct Case {
    std::string name;
    TNameProblem problem;
  };
  const std::vector<Case> cases{{"   ", TNameProblem::Empty},
                                {std::string(41, 'a'), TNameProblem::TooLong},
                                {std::string(1000, 'a'), TNameProblem::TooLong},
                                {"Аня\nБорис", TNameProblem::Control},
                                {"a\x7f", TNameProblem::Control},
                                {"\xff\xfe", TNameProblem::Control},
                                {" " + std::string(40, 'a') + " ", TNameProblem::None},
                                // Forty Cyrillic letters are eighty bytes.
                                {[] { std::string s; for (int i = 0; i < 40; ++i) s += "ж"; return s; }(),
                                 TNameProblem::None}};
  for (const Case& c : cases) {
    EXPECT_EQ(NameProblem(c.name), c.problem) << c.name;
    TSingerQueue q;
    EXPECT_EQ(q.Add(Song(c.name, "x")) != 0, c.problem == TNameProblem::None) << c.name;
    EXPECT_EQ(q.Singers().size(), c.problem == TNameProblem::None ? 1u : 0u);
  }
}

}  // namespace
}  // namespace lyrova
