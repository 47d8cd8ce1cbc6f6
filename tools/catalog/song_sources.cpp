#include "tools/catalog/song_sources.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <ostream>

#include "catalog/cache_folder.h"
#include "catalog/catalog_errors.h"
#include "catalog/cp1251.h"
#include "catalog/disc_catalog.h"
#include "catalog/file_path.h"

namespace lyrova::catalog_tool {
namespace {

// A program without a built-in catalogue treats every disc as one it does not describe.
constexpr std::uint8_t kNoRecords[4] = {};

std::string ReadCatalogFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure{"cannot read \"" + path + "\": " + std::strerror(errno)};
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  if (in.bad()) throw Failure{"cannot read \"" + path + "\""};
  return bytes;
}

std::span<const std::uint8_t> AsBytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

}  // namespace

CatalogResources SongSources::Resources() {
  if (line_.catalogDir) {
    bin_ = ReadCatalogFile(JoinPath(*line_.catalogDir, "catdata.bin"));
    txt_ = ReadCatalogFile(JoinPath(*line_.catalogDir, "catdata.txt"));
    return {AsBytes(bin_), AsBytes(txt_)};
  }
  if (builtIn_ == nullptr) throw UsageError{"no built-in catalogue: give --catalog DIR"};
  return *builtIn_;
}

void SongSources::LoadDiscSongs(bool withImage) {
  if (line_.catalogDir || !line_.discDir) {
    if (!withImage) {
      catalog_.LoadRecords(Resources());
      return;
    }
    if (!line_.discDir) throw UsageError{line_.command + ": --disc DIR is needed"};
    if (!catalog_.LoadCatalog(*line_.discDir, Resources())) throw Failure{Cp1251ToUtf8(kImageNotFoundText)};
    return;
  }
  const std::string& disc = *line_.discDir;
  const CatalogResources none{kNoRecords, {}};
  const DiscCatalogResult r = LoadDiscCatalog(catalog_, disc, builtIn_ ? *builtIn_ : none, UserCacheFolder());
  if (r.source == DiscCatalogSource::NoImage) throw Failure{Cp1251ToUtf8(kImageNotFoundText)};
  if (r.source == DiscCatalogSource::MissingTable) {
    err_ << "the built-in catalogue does not describe the disc in \"" << disc
         << "\", and its own catalogue cannot be built: \"" << r.missingFile << "\" not found\n";
  }
}

void SongSources::Load(bool withImage) {
  if (line_.libraryDir && !line_.catalogDir && !line_.discDir) {
    // The library's songs alone.
  } else {
    LoadDiscSongs(withImage);
  }
  if (!line_.libraryDir) return;
  const std::string& dir = *line_.libraryDir;
  library_ = ScanLibrary(dir, LibraryIndexFile(dir));
  for (const BrokenFile& b : library_->broken) err_ << JoinPath(dir, b.path) << ": " << b.reason << '\n';
}

}  // namespace lyrova::catalog_tool
