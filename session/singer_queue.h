#pragma once
// TSingerQueue: who sings what next on a karaoke night. Singers take turns
// round-robin in the order they first signed up (the host may change that
// order); each singer's own songs wait in their order and are sung one per
// round. A newcomer sings at the end of the round under way, or only from the
// next round on. A held singer keeps their place and songs but is passed
// over until released. The order of turns is derived, never stored, so no
// edit can leave it inconsistent.
//
// Plain logic without Qt: the main window's panel, the web remote and the
// tests all drive the same object; TQueueStore keeps it on disk.

#include <cstdint>
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace lyrova {

struct TQueueEntry {
  std::uint64_t id = 0;      // unique within the queue, kept across restarts
  std::uint32_t code = 0;    // the song's code
  std::string libraryFile;   // a library song's file; empty for a disc song
  std::string title;         // UTF-8, as the song lists showed it when added
  std::string singer;        // UTF-8, the singer's name as entered
  std::optional<int> key;    // semitones for this entry, else the song's own
  std::optional<int> tempo;  // tempo slider position for this entry
  std::string owner;         // the guest who added it; empty for the host
  bool operator==(const TQueueEntry&) const = default;
};

struct TQueueSinger {
  std::string name;
  bool held = false;
  // The last round in which this singer had a turn; they are due again from
  // the round after it.
  int lastRound = 0;
  std::vector<TQueueEntry> songs;  // in the order they will be sung
  bool operator==(const TQueueSinger&) const = default;
};

// One line of the evening's history.
struct TSungSong {
  std::int64_t at = 0;  // seconds since the epoch
  std::string singer;
  std::uint32_t code = 0;
  std::string title;
  bool operator==(const TSungSong&) const = default;
};

// An entry in the order of turns to come.
struct TTurn {
  const TQueueEntry* entry = nullptr;
  int round = 0;
};

enum class TNewcomer { ThisRound, NextRound };

class TSingerQueue {
 public:
  // Longest singer's name, in characters (code points).
  static constexpr int kMaxNameLength = 40;

  // Adds a song at the end of `singer`'s songs; a new singer joins the
  // rotation at its end. Returns the new entry's id, or 0 (nothing added)
  // when the name is not acceptable (NameProblem). Names are compared
  // without letter case and surrounding spaces; the first spelling stays.
  std::uint64_t Add(TQueueEntry entry);
  // Removes a waiting entry; a singer left without songs keeps their place.
  bool Remove(std::uint64_t id);
  // Removes a singer and all of their waiting songs.
  bool RemoveSinger(const std::string& name);
  // Moves a singer to position `to` of the rotation (clamped).
  bool MoveSinger(const std::string& name, int to);
  // Moves an entry to position `to` among its singer's songs (clamped).
  bool MoveEntry(std::uint64_t id, int to);
  bool SetHeld(const std::string& name, bool held);
  bool SetKeyTempo(std::uint64_t id, std::optional<int> key, std::optional<int> tempo);

  // The song plays now: it leaves the order of turns (its singer counts as
  // having had the turn) but stays in the queue until it is done.
  bool Start(std::uint64_t id);
  // It was stopped before its end: it waits again in its place.
  void Stopped() { playing_.reset(); }
  // Sung (ended, skipped, or marked so by the host): out of the queue, the
  // singer's turn taken, a line of history at `at`.
  bool Done(std::uint64_t id, std::int64_t at);

  // Every waiting entry in the order of turns: round by round, the singers
  // in rotation order, each singer's next song per round.
  std::vector<TTurn> Upcoming() const;
  // The first `count` of Upcoming.
  std::vector<TTurn> Next(int count) const;

  const std::vector<TQueueSinger>& Singers() const { return singers_; }
  const TQueueEntry* Find(std::uint64_t id) const;
  const TQueueEntry* Playing() const { return playing_ ? Find(*playing_) : nullptr; }
  const std::vector<TSungSong>& History() const { return history_; }
  int Round() const { return round_; }
  TNewcomer Newcomer() const { return newcomer_; }
  void SetNewcomer(TNewcomer rule) { newcomer_ = rule; }
  std::size_t Size() const;

  // For the store: the whole state, taken apart and put back.
  struct TState {
    int round = 1;
    std::uint64_t nextId = 1;
    std::vector<TQueueSinger> singers;
    std::vector<TSungSong> history;
    bool operator==(const TState&) const = default;
  };
  TState State() const { return {round_, nextId_, singers_, history_}; }
  // False, leaving the queue as it was, when the state breaks the queue's
  // rules (an id twice or not below nextId, a bad or repeated name).
  bool Restore(TState state);

 private:
  TQueueSinger* SingerOf(const std::string& name);
  std::pair<TQueueSinger*, std::size_t> Locate(std::uint64_t id);
  // The round in which `singer` is next due, from round `round` on.
  static int DueRound(const TQueueSinger& singer, int round) { return std::max(singer.lastRound + 1, round); }

  int round_ = 1;
  std::uint64_t nextId_ = 1;
  std::vector<TQueueSinger> singers_;
  std::vector<TSungSong> history_;
  std::optional<std::uint64_t> playing_;
  TNewcomer newcomer_ = TNewcomer::ThisRound;
};

enum class TNameProblem { None, Empty, TooLong, Control };
// What is wrong with a singer's name once the spaces around it are dropped:
// nothing, empty, longer than kMaxNameLength, or a control character (or
// malformed UTF-8) inside; each view says so in its own words.
TNameProblem NameProblem(const std::string& utf8);
// The name without the spaces around it.
std::string TrimmedName(const std::string& utf8);

}  // namespace lyrova
