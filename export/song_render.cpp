#include "export/song_render.h"

namespace lyrova {

TSongRender::TSongRender(ISongSource& songs, std::uint32_t code, const TPlaySettings& settings,
                         ILyricTarget& lyrics)
    : code_(code),
      settings_(settings),
      render_(songs, lyrics, settings.soundFont.empty() ? TPlaybackEngine::DefaultSoundFont() : settings.soundFont) {}

double TSongRender::Done() const {
  const auto progress = render_.Engine().Progress();
  if (!progress) return 1.0;
  const double whole = progress->elapsed + progress->remaining;
  return whole > 0 ? progress->elapsed / whole : 0.0;
}

TRenderResult TSongRender::Run(const TOfflineRender::StepFn& onStep) {
  TPlaybackEngine& engine = render_.Engine();
  // The window sends the tempo and pitch positions negated: the top is +.
  engine.WMTempo(-settings_.tempo);
  engine.WMPitch(-settings_.pitch);
  if (settings_.volume) engine.WMVolume(*settings_.volume);
  engine.SetMelodyLevel(settings_.melodyPercent);
  return render_.RenderSong(code_, onStep);
}

}  // namespace lyrova
