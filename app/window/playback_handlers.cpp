// The main window's playback messages: play, stop, the natural end of a song
// (the playlist goes on), and the three sliders.

#include <QComboBox>
#include <QCoreApplication>
#include <QSlider>

#include "app/window/main_window.h"
#include "app/window/song_view.h"
#include "app/window/window_messages.h"
#include "catalog/cp1251.h"
#include "config/config_dialog.h"
#include "config/settings.h"
#include "config/song_memory.h"
#include "video/video_form.h"

namespace lyrova {

void TForm1::Dispatch(const TMessageEvent& message) {
  const std::int32_t w = message.WParam();
  switch (message.Message()) {
    case TMessage::PlaySong: Guarded([&] { WMPlaySong(static_cast<std::uint32_t>(w)); }); break;
    case TMessage::StopSong: Guarded([&] { WMStopSong(); }); break;
    case TMessage::SongEnd:
      Guarded([&] { WMSongEnd(static_cast<std::uint32_t>(w)); });
      // The end-of-song thread waits for this, whatever the handler did.
      songEnd_.Handled();
      break;
    case TMessage::Pitch: Guarded([&] { WMPitch(w); }); break;
    case TMessage::Tempo: Guarded([&] { WMTempo(w); }); break;
    case TMessage::Volume: Guarded([&] { WMVolume(w); }); break;
  }
}

TSongTitle TForm1::TitleOf(std::uint32_t code) {
  if (const LibrarySong* song = songs_.LibrarySongOf(code)) return {code, song->fields.title, song->fields.singer};
  TSongTitle title;
  title.code = code;
  if (const int index = catalog_.SearchByOstrelCode(code, false); index >= 0) {
    const TSongHeader& header = catalog_.Record(index);
    title.name = Cp1251ToUtf8(header.Name);
    title.singer = Cp1251ToUtf8(header.Singer);
  }
  return title;
}

void TForm1::WMPlaySong(std::uint32_t code) {
  const LibrarySong* librarySong = songs_.LibrarySongOf(code);
  if (video_) video_->SongStarting(TitleOf(code));
  // A new song ends a pause; the film goes on with it.
  if (video_) video_->SetFilmPaused(false);
  if (!engine_) return;
  playingKey_ = librarySong ? TSongMemory::FileSongKey(librarySong->file.path) : TSongMemory::DiscSongKey(code);
  RecallSongChoice();
  SongHandedOver(engine_->WMPlaySong(code));
  playingSong_ = TNowPlaying();
  playingSong_.code = code;
  if (const std::optional<SongRowTexts> row = songs_.FindCode(code)) {
    playingSong_.title = (*row)[1];
    playingSong_.singer = (*row)[2];
  }
}

std::optional<TNowPlaying> TForm1::NowPlaying() const {
  if (!engine_) return std::nullopt;
  const std::optional<TPlaybackEngine::TProgress> progress = engine_->Progress();
  if (!progress) return std::nullopt;
  TNowPlaying song = playingSong_;
  song.elapsed = progress->elapsed;
  song.remaining = progress->remaining;
  song.semitones = -trackBar2_->value();
  song.paused = engine_->Paused();
  return song;
}

void TForm1::WMStopSong() {
  if (video_) video_->SetFilmPaused(false);
  if (engine_) engine_->WMStopSong();
}

void TForm1::PauseClick() {
  if (!engine_) return;
  engine_->SetPaused(!engine_->Paused());
  if (video_) video_->SetFilmPaused(engine_->Paused());
}

void TForm1::WMSongEnd(std::uint32_t serial) {
  const int next = NextPlaylistRow(origin_, listView2_->RowCount(), serial);
  if (next < 0) return;
  listView2_->SetCurrentRow(next);
  ListView2DblClick();
}

void TForm1::WMTempo(int a) {
  if (engine_) engine_->WMTempo(a);
}

void TForm1::WMPitch(int n) {
  if (engine_) engine_->WMPitch(n);
}

void TForm1::WMVolume(int p) {
  if (engine_) engine_->WMVolume(p);
}

void TForm1::TrackBar1Change(int position) {
  QCoreApplication::postEvent(this, new TMessageEvent(TMessage::Tempo, -position));
  RememberSongChoice();
}

void TForm1::TrackBar2Change(int position) {
  QCoreApplication::postEvent(this, new TMessageEvent(TMessage::Pitch, -position));
  RememberSongChoice();
}

void TForm1::RecallSongChoice() {
  const std::string settingsPath = SettingsPath();
  if (!TSettingsFile(settingsPath, ProgramFolder()).SongMemory()) return;
  const TSongChoice choice = TSongMemory(settingsPath).Recall(playingKey_);
  recallingChoice_ = true;
  trackBar2_->setValue(choice.keyPosition);
  trackBar1_->setValue(choice.tempoPosition);
  recallingChoice_ = false;
  // Ahead of the song itself, so that its first note is already in its key.
  engine_->WMPitch(-trackBar2_->value());
  engine_->WMTempo(-trackBar1_->value());
}

void TForm1::RememberSongChoice() {
  if (recallingChoice_ || !engine_ || !engine_->SongPlaying() || playingKey_.empty()) return;
  Guarded([&] {
    const std::string settingsPath = SettingsPath();
    if (!TSettingsFile(settingsPath, ProgramFolder()).SongMemory()) return;
    TSongMemory(settingsPath).Remember(playingKey_, {trackBar2_->value(), trackBar1_->value()});
  });
}

void TForm1::TrackBar3Change(int position) {
  QCoreApplication::postEvent(this, new TMessageEvent(TMessage::Volume, position));
}

void TForm1::MelodyChange() {
  const int percent = melody_->currentData().toInt();
  Guarded([&] {
    TSettingsFile(SettingsPath(), ProgramFolder()).SetMelodyPercent(percent);
    ApplyMelodyLevel(percent);
  });
}

void TForm1::ApplyMelodyLevel(int percent) {
  melody_->setCurrentIndex(melody_->findData(percent));
  if (engine_) engine_->SetMelodyLevel(percent);
}

void TForm1::Button5Click() { QCoreApplication::postEvent(this, new TMessageEvent(TMessage::StopSong, 0)); }

void TForm1::Button8Click() {
  if (!config_) return;
  config_->exec();
  if (config_->Accepted() && engine_)
    engine_->SetLyricOffsetMs(TSettingsFile(SettingsPath(), ProgramFolder()).LyricOffsetMs());
  // A new song folder is read at once, in the background.
  if (config_->Accepted()) {
    const std::string folder = TSettingsFile(SettingsPath(), ProgramFolder()).SongsFolder();
    if (folder != LibraryFolder()) StartLibraryScan(folder);
  }
}

void TForm1::Button7Click() {
  if (!video_) return;
  video_->raise();
  video_->activateWindow();
}

}  // namespace lyrova
