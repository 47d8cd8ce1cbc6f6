// Shutdown: both threads have ended before anything they use is released.

#include "app/window/library_scan.h"
#include "app/window/main_window.h"
#include "video/video_form.h"

namespace lyrova {

void TForm1::FormClose() {
  if (closed_) return;
  closed_ = true;
  // A library still being read is left; its thread ends first.
  libraryScan_.reset();
  // An end-of-song thread waiting for this window must not hold up the stop.
  songEnd_.Close();
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
