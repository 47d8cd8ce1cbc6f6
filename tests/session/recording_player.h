#pragma once
// A player that plays nothing and writes down what it was told: "play
// <first line of words>", "stop", "tempo 4", "pitch -2", "volume 30",
// "pause 1", "melody 50". A test ends a song by calling the session's
// WMSongEnd with the serial it was given.

#include <string>
#include <vector>

#include "session/song_player.h"

namespace lyrova::test {

class TRecordingPlayer : public ISongPlayer {
 public:
  std::vector<std::string> log;
  std::uint32_t serial = 0;  // of the song last played
  bool playing = false;
  bool paused = false;

  std::uint32_t Play(TSongData song) override {
    log.push_back("play " + (song.lines.empty() ? std::string() : song.lines.front()));
    playing = true;
    paused = false;
    return ++serial;
  }
  void Stop() override {
    log.push_back("stop");
    playing = paused = false;
  }
  bool SetPaused(bool p) override {
    if (!playing) return false;
    log.push_back(p ? "pause 1" : "pause 0");
    paused = p;
    return true;
  }
  bool Paused() const override { return paused; }
  bool SongPlaying() const override { return playing; }
  std::optional<TProgress> Progress() const override {
    if (!playing) return std::nullopt;
    return TProgress{5, 55};
  }
  void SetTempo(int a) override { log.push_back("tempo " + std::to_string(a)); }
  void SetPitch(int n) override { log.push_back("pitch " + std::to_string(n)); }
  void SetVolume(int p) override { log.push_back("volume " + std::to_string(p)); }
  void SetMelodyLevel(int percent) override { log.push_back("melody " + std::to_string(percent)); }
};

}  // namespace lyrova::test
