// WMBadVidFile: the singer's window could not start its film. The clock
// stands still while the user is asked for another one.

#include <QCoreApplication>

#include "app/window/dialog_adapters.h"
#include "app/window/main_window.h"
#include "config/settings.h"
#include "video/bad_film_handler.h"
#include "video/video_form.h"
#include "video/video_messages.h"

namespace lyrova {

void TForm1::WMBadVidFile(const std::string& failedFile, const std::string& reason) {
  if (!video_ || closed_) return;
  TFormFilmChooser chooser(dialogs_);
  TSettingsFile settings(SettingsPath(), ProgramFolder());
  TBadFilmActions actions;
  actions.suspendClock = [this] {
    if (engine_ && started_) engine_->SuspendClock();
  };
  actions.resumeClock = [this] {
    if (engine_ && started_) engine_->ResumeClock();
  };
  // Closing tears down the singer's window, so it waits until this handler is done.
  actions.closeProgram = [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); };
  // An unreadable settings file is reported and the user is asked for a film.
  actions.readVideoFile = [&] {
    std::string film;
    Guarded([&] { film = settings.VideoFile(); });
    return film;
  };
  // A settings file that cannot be written is reported; the film still starts.
  actions.writeVideoFile = [&](const std::string& path) {
    Guarded([&] { settings.SetVideoFile(path); });
  };
  actions.readDiscFolder = [&] {
    std::string folder;
    Guarded([&] { folder = settings.DiscFolder(); });
    return folder;
  };
  actions.setVideoFile = [this](const std::string& path) { video_->SetVideoFile(path); };
  actions.postPlayVideo = [this] { video_->PostPlayVideo(); };
  TBadFilmHandler(chooser, std::move(actions)).WMBadVidFile(failedFile, reason);
}

}  // namespace lyrova
