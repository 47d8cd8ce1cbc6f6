#pragma once
// The playback engine as the session's player.

#include "session/song_player.h"

namespace lyrova {

class TPlaybackEngine;

class TEnginePlayer : public ISongPlayer {
 public:
  // The engine must outlive this.
  explicit TEnginePlayer(TPlaybackEngine& engine) : engine_(engine) {}

  std::uint32_t Play(TSongData song) override;
  void Stop() override;
  bool SetPaused(bool paused) override;
  bool Paused() const override;
  bool SongPlaying() const override;
  std::optional<TProgress> Progress() const override;
  void SetTempo(int a) override;
  void SetPitch(int n) override;
  void SetVolume(int p) override;
  void SetMelodyLevel(int percent) override;

 private:
  TPlaybackEngine& engine_;
};

}  // namespace lyrova
