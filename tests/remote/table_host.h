#pragma once
// A player for the remote's tests: songs from a table, transport counted.

#include <QString>
#include <map>

#include "remote/remote_host.h"

namespace lyrova {

class TTableHost : public IRemoteHost {
 public:
  explicit TTableHost(std::vector<TRemoteSong> songs) : songs_(std::move(songs)) {}

  std::vector<TRemoteSong> Search(int item, const std::string& query) override {
    std::vector<TRemoteSong> found;
    const QString q = QString::fromStdString(query).toCaseFolded();
    for (const TRemoteSong& s : songs_) {
      const bool hit = item == 0 ? QString::number(s.code) == q.trimmed()
                       : item == 2 ? QString::fromStdString(s.singer).toCaseFolded().contains(q)
                                   : QString::fromStdString(s.title).toCaseFolded().contains(q);
      if (hit) found.push_back(s);
    }
    return found;
  }
  std::optional<TRemoteSong> Song(std::uint32_t code) override {
    for (const TRemoteSong& s : songs_)
      if (s.code == code) return s;
    return std::nullopt;
  }
  std::optional<TRemotePlaying> Playing() override { return playing; }
  void Pause() override { ++calls["pause"]; }
  void Skip() override { ++calls["skip"]; }
  void Stop() override { ++calls["stop"]; }
  void ChangeKey(int semitones) override { calls["key"] += semitones; }
  void ChangeTempo(int steps) override { calls["tempo"] += steps; }

  std::optional<TRemotePlaying> playing;
  std::map<std::string, int> calls;

 private:
  std::vector<TRemoteSong> songs_;
};

// Songs 1..count titled "Песня N" by "Хор" or "Ансамбль".
inline std::vector<TRemoteSong> NumberedSongs(int count) {
  std::vector<TRemoteSong> songs;
  for (int i = 1; i <= count; ++i)
    songs.push_back({static_cast<std::uint32_t>(i), "Песня " + std::to_string(i), i % 2 ? "Хор" : "Ансамбль", ""});
  return songs;
}

}  // namespace lyrova
