// Shutdown: both threads have ended before anything they use is released.

#include "app/window/main_window.h"
#include "app/window/song_export_job.h"
#include "session/song_player.h"
#include "video/video_form.h"

namespace lyrova {

void TForm1::FormClose() {
  if (closed_) return;
  closed_ = true;
  // The library's reading and a song being saved end first, and an
  // end-of-song thread waiting for the session must not hold up the stop.
  exportView_.reset();
  session_->Close();
  session_->AttachPlayer(nullptr);
  player_.reset();
  if (engine_) {
    engine_->StopThreads();
    engine_->Shutdown();
    engine_.reset();
  }
  if (video_) {
    video_->SetVideoMayClose(true);
    video_->close();
    video_.reset();
  }
  started_ = false;
}

}  // namespace lyrova
