#include "tools/render/render_session.h"

#include "catalog/cache_folder.h"
#include "catalog/disc_catalog.h"
#include "catalog/errors.h"
#include "catalog/file_path.h"
#include "catalog/song_image.h"
#include "media/recorded_library.h"
#include "resources/catalog/built_in_catalog.h"

namespace lyrova {
namespace {

std::span<const std::uint8_t> AsBytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

TRenderSession::TRenderSession(const TRenderOptions& options, ILyricTarget& lyrics) {
  const std::string image = JoinPath(options.disc, "rmidi.img");
  if (!options.catalog.empty()) {
    bin_ = SongImage::ReadWholeFile(JoinPath(options.catalog, "catdata.bin"));
    txt_ = SongImage::ReadWholeFile(JoinPath(options.catalog, "catdata.txt"));
    if (!catalog_.LoadCatalog(options.disc, {AsBytes(bin_), AsBytes(txt_)})) throw Error("cannot open " + image);
  } else if (!options.disc.empty()) {
    // As the player does: the built-in catalogue when it describes the image.
    const DiscCatalogResult r = LoadDiscCatalog(catalog_, options.disc, BuiltInCatalog(), UserCacheFolder());
    if (r.source == DiscCatalogSource::NoImage) throw Error("cannot open " + image);
    if (r.source == DiscCatalogSource::MissingTable) {
      warnings_ += "the built-in catalogue does not describe the disc in \"" + options.disc +
                   "\", and its own catalogue cannot be built: \"" + r.missingFile + "\" not found\n";
    }
  }
  if (!options.library.empty()) {
    SongLibrary library = ScanSongLibrary(options.library, LibraryIndexFile(options.library));
    for (const BrokenFile& b : library.broken) warnings_ += JoinPath(options.library, b.path) + ": " + b.reason + "\n";
    songs_.SetLibrary(std::move(library));
  }
  render_ = std::make_unique<TSongRender>(songs_, options.code, options.play, lyrics);
}

}  // namespace lyrova
