#include "tools/render/render_session.h"

#include "catalog/errors.h"
#include "catalog/file_path.h"
#include "catalog/song_image.h"
#include "resources/catalog/built_in_catalog.h"

namespace lyrova {
namespace {

std::span<const std::uint8_t> AsBytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

TRenderSession::TRenderSession(const TRenderOptions& options, ILyricTarget& lyrics) : options_(options) {
  CatalogResources resources = BuiltInCatalog();
  if (!options.catalog.empty()) {
    bin_ = SongImage::ReadWholeFile(JoinPath(options.catalog, "catdata.bin"));
    txt_ = SongImage::ReadWholeFile(JoinPath(options.catalog, "catdata.txt"));
    resources = {AsBytes(bin_), AsBytes(txt_)};
  }
  if (!catalog_.LoadCatalog(options.disc, resources))
    throw Error("cannot open " + JoinPath(options.disc, "rmidi.img"));
  const std::string soundFont =
      options.soundFont.empty() ? TPlaybackEngine::DefaultSoundFont() : options.soundFont;
  render_ = std::make_unique<TOfflineRender>(catalog_, lyrics, soundFont);
}

TRenderResult TRenderSession::Run(const TOfflineRender::StepFn& onStep) {
  TPlaybackEngine& engine = render_->Engine();
  // The window sends the tempo and pitch positions negated: the top is +.
  engine.WMTempo(-options_.tempo);
  engine.WMPitch(-options_.pitch);
  if (options_.volume) engine.WMVolume(*options_.volume);
  return render_->RenderSong(options_.code, onStep);
}

}  // namespace lyrova
