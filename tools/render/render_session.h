#pragma once
// One offline render as the command line asks for it: the catalogue and the
// song image, the engine with the track-bar positions, and the render loop.
// The audio, the song time and the lyrics go to whoever the caller names.

#include <memory>
#include <string>

#include "session/song_collection.h"
#include "catalog/songs_catalog.h"
#include "export/song_render.h"
#include "tools/render/render_options.h"

namespace lyrova {

class TRenderSession {
 public:
  // Throws lyrova::Error when the disc, the catalogue or the SoundFont fails.
  TRenderSession(const TRenderOptions& options, ILyricTarget& lyrics);
  // What the user should know, in UTF-8: the disc's own catalogue could not
  // be built, files of the library could not be read. Empty when all is well.
  const std::string& Warnings() const { return warnings_; }

  int SampleRate() { return render_->SampleRate(); }
  // How far the song is, 0 to 1, during Run's steps (1 in the tail after its end).
  double Done() const { return render_->Done(); }
  TRenderResult Run(const TOfflineRender::StepFn& onStep) { return render_->Run(onStep); }

 private:
  std::string bin_;  // a catalogue read from files stays here while in use
  std::string txt_;
  TSongsCatalog catalog_;
  TSongCollection songs_{catalog_};
  std::string warnings_;
  std::unique_ptr<TSongRender> render_;
};

}  // namespace lyrova
