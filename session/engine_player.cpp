#include "session/engine_player.h"

#include "playback/playback_engine.h"

namespace lyrova {

std::uint32_t TEnginePlayer::Play(TSongData song) { return engine_.PlaySong(std::move(song)); }

void TEnginePlayer::Stop() { engine_.WMStopSong(); }

bool TEnginePlayer::SetPaused(bool paused) { return engine_.SetPaused(paused); }

bool TEnginePlayer::Paused() const { return engine_.Paused(); }

bool TEnginePlayer::SongPlaying() const { return engine_.SongPlaying(); }

std::optional<ISongPlayer::TProgress> TEnginePlayer::Progress() const {
  const auto progress = engine_.Progress();
  if (!progress) return std::nullopt;
  return TProgress{progress->elapsed, progress->remaining};
}

void TEnginePlayer::SetTempo(int a) { engine_.WMTempo(a); }

void TEnginePlayer::SetPitch(int n) { engine_.WMPitch(n); }

void TEnginePlayer::SetVolume(int p) { engine_.WMVolume(p); }

void TEnginePlayer::SetMelodyLevel(int percent) { engine_.SetMelodyLevel(percent); }

}  // namespace lyrova
