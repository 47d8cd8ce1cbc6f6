// The player bar and the middle column as views of the session: stop,
// pause, the singer's window, the configuration dialog, the sliders and
// the guide melody.

#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>

#include "app/window/main_window.h"
#include "config/config_dialog.h"
#include "config/settings.h"
#include "video/video_form.h"

namespace lyrova {

void TForm1::Button5Click() { session_->Stop(); }

void TForm1::PauseClick() { session_->TogglePause(); }

void TForm1::ShowControls() {
  // The sliders follow the session; their own changes come back here too,
  // and a value already shown changes nothing.
  trackBar1_->setValue(session_->TempoPosition());
  trackBar2_->setValue(session_->KeyPosition());
  trackBar3_->setValue(session_->VolumePosition());
  const QSignalBlocker quiet(melody_);
  melody_->setCurrentIndex(melody_->findData(session_->MelodyPercent()));
}

void TForm1::MelodyChange() {
  const int percent = melody_->currentData().toInt();
  Guarded([&] { session_->SetMelodyPercent(percent); });
}

void TForm1::Button8Click() {
  if (!config_) return;
  config_->exec();
  if (config_->Accepted()) {
    const TSettingsFile settings(SettingsPath(), ProgramFolder());
    if (engine_) engine_->SetLyricOffsetMs(settings.LyricOffsetMs());
    // A new song folder is read at once, in the background.
    const std::string folder = settings.SongsFolder();
    if (folder != session_->LibraryFolder()) session_->ReadLibrary(folder);
  }
  ReturnFocus();
}

void TForm1::Button7Click() {
  // In front of the others, while the keyboard stays with this window (from
  // the singer's window itself, F12 leaves it there).
  if (video_) video_->raise();
  if (isActiveWindow()) ReturnFocus();
}

}  // namespace lyrova
