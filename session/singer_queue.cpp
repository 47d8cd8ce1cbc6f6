#include "session/singer_queue.h"

#include <set>

#include "catalog/utf8_text.h"

namespace lyrova {

namespace {

bool SameName(const std::string& a, const std::string& b) { return Utf8UpperCase(a) == Utf8UpperCase(b); }

template <class T>
void MoveWithin(std::vector<T>& items, std::size_t from, int to) {
  const auto last = static_cast<int>(items.size()) - 1;
  const auto target = static_cast<std::size_t>(std::clamp(to, 0, last));
  T item = std::move(items[from]);
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(from));
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(target), std::move(item));
}

}  // namespace

std::string TrimmedName(const std::string& utf8) {
  const std::size_t first = utf8.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return utf8.substr(first, utf8.find_last_not_of(' ') - first + 1);
}

TNameProblem NameProblem(const std::string& utf8) {
  const std::string name = TrimmedName(utf8);
  if (name.empty()) return TNameProblem::Empty;
  int length = 0;
  for (std::size_t i = 0; i < name.size();) {
    const char32_t c = NextCodePoint(name, i);
    if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xFFFD || c == 0x2028 || c == 0x2029)
      return TNameProblem::Control;
    if (++length > TSingerQueue::kMaxNameLength) return TNameProblem::TooLong;
  }
  return TNameProblem::None;
}

TQueueSinger* TSingerQueue::SingerOf(const std::string& name) {
  for (TQueueSinger& singer : singers_)
    if (SameName(singer.name, TrimmedName(name))) return &singer;
  return nullptr;
}

std::pair<TQueueSinger*, std::size_t> TSingerQueue::Locate(std::uint64_t id) {
  for (TQueueSinger& singer : singers_)
    for (std::size_t i = 0; i < singer.songs.size(); ++i)
      if (singer.songs[i].id == id) return {&singer, i};
  return {nullptr, 0};
}

const TQueueEntry* TSingerQueue::Find(std::uint64_t id) const {
  auto [singer, index] = const_cast<TSingerQueue*>(this)->Locate(id);
  return singer ? &singer->songs[index] : nullptr;
}

std::size_t TSingerQueue::Size() const {
  std::size_t n = 0;
  for (const TQueueSinger& singer : singers_) n += singer.songs.size();
  return n;
}

std::uint64_t TSingerQueue::Add(TQueueEntry entry) {
  if (NameProblem(entry.singer) != TNameProblem::None) return 0;
  TQueueSinger* singer = SingerOf(entry.singer);
  if (!singer) {
    // A newcomer is due in the round under way, after everyone in it, or
    // only from the next one.
    const int last = newcomer_ == TNewcomer::ThisRound ? round_ - 1 : round_;
    singers_.push_back(TQueueSinger{TrimmedName(entry.singer), false, last, {}});
    singer = &singers_.back();
  }
  entry.singer = singer->name;
  entry.id = nextId_++;
  singer->songs.push_back(std::move(entry));
  return singer->songs.back().id;
}

bool TSingerQueue::Remove(std::uint64_t id) {
  auto [singer, index] = Locate(id);
  if (!singer) return false;
  if (playing_ == id) playing_.reset();
  singer->songs.erase(singer->songs.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

bool TSingerQueue::RemoveSinger(const std::string& name) {
  TQueueSinger* singer = SingerOf(name);
  if (!singer) return false;
  if (const TQueueEntry* playing = Playing(); playing && SameName(playing->singer, singer->name)) playing_.reset();
  singers_.erase(singers_.begin() + (singer - singers_.data()));
  return true;
}

bool TSingerQueue::MoveSinger(const std::string& name, int to) {
  TQueueSinger* singer = SingerOf(name);
  if (!singer) return false;
  MoveWithin(singers_, static_cast<std::size_t>(singer - singers_.data()), to);
  return true;
}

bool TSingerQueue::MoveEntry(std::uint64_t id, int to) {
  auto [singer, index] = Locate(id);
  if (!singer) return false;
  MoveWithin(singer->songs, index, to);
  return true;
}

bool TSingerQueue::SetHeld(const std::string& name, bool held) {
  TQueueSinger* singer = SingerOf(name);
  if (!singer) return false;
  singer->held = held;
  return true;
}

bool TSingerQueue::SetKeyTempo(std::uint64_t id, std::optional<int> key, std::optional<int> tempo) {
  auto [singer, index] = Locate(id);
  if (!singer) return false;
  singer->songs[index].key = key;
  singer->songs[index].tempo = tempo;
  return true;
}

bool TSingerQueue::Start(std::uint64_t id) {
  if (!Find(id)) return false;
  playing_ = id;
  return true;
}

bool TSingerQueue::Done(std::uint64_t id, std::int64_t at) {
  auto [singer, index] = Locate(id);
  if (!singer) return false;
  const TQueueEntry& entry = singer->songs[index];
  history_.push_back(TSungSong{at, singer->name, entry.code, entry.title});
  singer->songs.erase(singer->songs.begin() + static_cast<std::ptrdiff_t>(index));
  if (playing_ == id) playing_.reset();
  // The turn is the one the singer was due for; once nobody is left to sing
  // in the round under way, the next begins.
  singer->lastRound = DueRound(*singer, round_);
  const auto dueNow = [&](const TQueueSinger& s) { return !s.held && !s.songs.empty() && s.lastRound < round_; };
  const bool anyone = std::any_of(singers_.begin(), singers_.end(),
                                  [](const TQueueSinger& s) { return !s.held && !s.songs.empty(); });
  while (anyone && std::none_of(singers_.begin(), singers_.end(), dueNow)) ++round_;
  return true;
}

std::vector<TTurn> TSingerQueue::Upcoming() const {
  // Each singer's songs fall one per round from the round they are next due
  // in; the playing song's singer has had this turn already.
  struct Due {
    const TQueueSinger* singer;
    int first;
    std::size_t skip;  // the playing entry, if it is this singer's
  };
  std::vector<Due> due;
  int lastRound = 0;
  for (const TQueueSinger& singer : singers_) {
    if (singer.held) continue;
    int first = DueRound(singer, round_);
    std::size_t skip = singer.songs.size();
    for (std::size_t i = 0; i < singer.songs.size(); ++i)
      if (playing_ == singer.songs[i].id) {
        skip = i;
        ++first;
      }
    const auto waiting = static_cast<int>(singer.songs.size()) - (skip < singer.songs.size() ? 1 : 0);
    if (waiting == 0) continue;
    due.push_back({&singer, first, skip});
    lastRound = std::max(lastRound, first + waiting - 1);
  }
  std::vector<TTurn> turns;
  for (int round = round_; round <= lastRound; ++round) {
    for (const Due& d : due) {
      if (round < d.first) continue;
      std::size_t k = static_cast<std::size_t>(round - d.first);
      if (k >= d.skip) ++k;
      if (k < d.singer->songs.size()) turns.push_back({&d.singer->songs[k], round});
    }
  }
  return turns;
}

std::vector<TTurn> TSingerQueue::Next(int count) const {
  std::vector<TTurn> turns = Upcoming();
  if (turns.size() > static_cast<std::size_t>(count)) turns.resize(static_cast<std::size_t>(count));
  return turns;
}

bool TSingerQueue::Restore(TState state) {
  std::set<std::uint64_t> ids;
  std::set<std::string> names;
  for (TQueueSinger& singer : state.singers) {
    if (NameProblem(singer.name) != TNameProblem::None || !names.insert(Utf8UpperCase(TrimmedName(singer.name))).second)
      return false;
    for (TQueueEntry& entry : singer.songs) {
      if (entry.id == 0 || entry.id >= state.nextId || !ids.insert(entry.id).second) return false;
      entry.singer = singer.name;
    }
  }
  if (state.round < 1) return false;
  round_ = state.round;
  nextId_ = state.nextId;
  singers_ = std::move(state.singers);
  history_ = std::move(state.history);
  playing_.reset();
  return true;
}

}  // namespace lyrova
