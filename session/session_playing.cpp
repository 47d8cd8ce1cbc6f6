// The session's playing: a song's start from its code (looked up once), its
// end and the playlist going on, stop and pause, the three controls with the
// key and tempo kept per song, and the guide melody.

#include <algorithm>
#include <cstdio>

#include "catalog/errors.h"
#include "config/settings.h"
#include "config/song_memory.h"
#include "session/karaoke_session.h"
#include "session/slider_rules.h"
#include "session/song_player.h"
#include "session/window_messages.h"

namespace lyrova {
namespace {

int Clamped(TSliderKind kind, int position) {
  const TSliderRule& rule = SliderRule(kind);
  return std::clamp(position, rule.minimum, rule.maximum);
}

}  // namespace

void TKaraokeSession::AttachPlayer(ISongPlayer* player) {
  player_ = player;
  if (!player_) return;
  melody_ = TSettingsFile(setup_.settingsPath, setup_.programFolder).MelodyPercent();
  player_->SetMelodyLevel(melody_);
  emit controlsChanged();
}

void TKaraokeSession::WMPlaySong(std::uint32_t code) {
  const std::optional<TSongRef> song = songs_.Find(code);
  if (!song) {
    char text[16];
    std::snprintf(text, sizeof text, "%.4u", code);
    throw Error(UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "There is no song with the code %1 in the catalogue."),
                         {UserText::Plain(text)}));
  }
  const TSongEntry entry = songs_.EntryOf(*song);
  TNowPlaying starting;
  starting.code = code;
  starting.title = entry.texts[1];
  starting.singer = entry.texts[2];
  emit songStarting(starting);
  if (!player_) return;
  // What plays stops before the next song is read, even when that fails.
  player_->Stop();
  playingKey_ = entry.file.empty() ? TSongMemory::DiscSongKey(code) : TSongMemory::FileSongKey(entry.file);
  RecallSongChoice();
  SongHandedOver(player_->Play(songs_.Load(*song)));
  playing_ = starting;
  emit playingChanged();
}

void TKaraokeSession::WMStopSong() {
  if (player_) player_->Stop();
  emit playingChanged();
}

void TKaraokeSession::WMSongEnd(std::uint32_t serial) {
  emit songEnded();
  emit playingChanged();
  const int next = NextPlaylistRow(origin_, playlist_.Count(), serial);
  if (next >= 0) PlayPlaylistRow(next);
}

bool TKaraokeSession::SetPaused(bool paused) {
  if (!player_ || !player_->SetPaused(paused)) return false;
  emit playingChanged();
  return true;
}

bool TKaraokeSession::Paused() const { return player_ && player_->Paused(); }

std::optional<TNowPlaying> TKaraokeSession::NowPlaying() const {
  if (!player_) return std::nullopt;
  const std::optional<ISongPlayer::TProgress> progress = player_->Progress();
  if (!progress) return std::nullopt;
  TNowPlaying song = playing_;
  song.elapsed = progress->elapsed;
  song.remaining = progress->remaining;
  song.semitones = -key_;
  song.paused = player_->Paused();
  return song;
}

bool TKaraokeSession::MovePosition(TSliderKind kind, int& position, int to) {
  to = Clamped(kind, to);
  if (to == position) return false;
  position = to;
  emit controlsChanged();
  return true;
}

void TKaraokeSession::SetTempoPosition(int position) {
  if (!MovePosition(TSliderKind::Tempo, tempo_, position)) return;
  Post(TMessage::Tempo, -tempo_);
  RememberSongChoice();
}

void TKaraokeSession::SetKeyPosition(int position) {
  if (!MovePosition(TSliderKind::Key, key_, position)) return;
  Post(TMessage::Pitch, -key_);
  RememberSongChoice();
}

void TKaraokeSession::SetVolumePosition(int position) {
  if (MovePosition(TSliderKind::Volume, volume_, position)) Post(TMessage::Volume, volume_);
}

void TKaraokeSession::SetMelodyPercent(int percent) {
  TSettingsFile(setup_.settingsPath, setup_.programFolder).SetMelodyPercent(percent);
  melody_ = percent;
  if (player_) player_->SetMelodyLevel(percent);
  emit controlsChanged();
}

void TKaraokeSession::WMTempo(int a) {
  if (player_) player_->SetTempo(a);
}

void TKaraokeSession::WMPitch(int n) {
  if (player_) player_->SetPitch(n);
}

void TKaraokeSession::WMVolume(int p) {
  if (player_) player_->SetVolume(p);
}

void TKaraokeSession::RecallSongChoice() {
  if (!TSettingsFile(setup_.settingsPath, setup_.programFolder).SongMemory()) return;
  const TSongChoice choice = TSongMemory(setup_.settingsPath).Recall(playingKey_);
  recalling_ = true;
  SetKeyPosition(choice.keyPosition);
  SetTempoPosition(choice.tempoPosition);
  recalling_ = false;
  // Ahead of the song itself, so that its first note is already in its key.
  player_->SetPitch(-key_);
  player_->SetTempo(-tempo_);
}

void TKaraokeSession::RememberSongChoice() {
  if (recalling_ || !player_ || !player_->SongPlaying() || playingKey_.empty()) return;
  if (!TSettingsFile(setup_.settingsPath, setup_.programFolder).SongMemory()) return;
  TSongMemory(setup_.settingsPath).Remember(playingKey_, {key_, tempo_});
}

}  // namespace lyrova
