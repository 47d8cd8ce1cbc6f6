#include "catalog/disc_catalog.h"

#include <sys/stat.h>

#include <filesystem>

#include "catalog/cache_folder.h"
#include "catalog/catalog_errors.h"
#include "catalog/file_path.h"
#include "catalog/song_image.h"

namespace lyrova {
namespace {

// Records checked against the image: enough to tell another disc, few
// enough that the check costs nothing at start-up.
constexpr int kRecordsChecked = 64;

bool IsFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::span<const std::uint8_t> AsBytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// The cached dumps of this disc, when they describe its image.
bool LoadCached(TSongsCatalog& catalog, const std::string& dir) {
  try {
    const std::string bin = SongImage::ReadWholeFile(JoinPath(dir, "catdata.bin"));
    const std::string txt = SongImage::ReadWholeFile(JoinPath(dir, "catdata.txt"));
    catalog.LoadRecords({AsBytes(bin), AsBytes(txt)});
  } catch (const Error&) {
    return false;
  }
  return catalog.RecordsMatchImage(kRecordsChecked);
}

}  // namespace

DiscCatalogResult LoadDiscCatalog(TSongsCatalog& catalog, const std::string& folder,
                                  const CatalogResources& builtIn, const std::string& cacheFolder) {
  DiscCatalogResult result;
  if (!catalog.LoadCatalog(folder, builtIn)) {
    result.source = DiscCatalogSource::NoImage;
    return result;
  }
  if (catalog.RecordsMatchImage(kRecordsChecked)) return result;

  const std::string table = JoinPath(folder, "rmidi_of.img");
  if (!IsFile(table)) {
    catalog.ClearRecords();
    result.source = DiscCatalogSource::MissingTable;
    result.missingFile = table;
    return result;
  }
  // Keyed by the table and the image's size: another disc or a changed
  // table gets a folder of its own; the dumps are checked against the image
  // all the same.
  std::string dir;
  if (!cacheFolder.empty()) {
    std::error_code ec;
    const std::string key = SongImage::ReadWholeFile(table) + "|" +
                            std::to_string(std::filesystem::file_size(JoinPath(folder, "rmidi.img"), ec));
    dir = JoinPath(cacheFolder, "disc-" + CacheKey(key));
    if (LoadCached(catalog, dir)) {
      result.source = DiscCatalogSource::Cached;
      return result;
    }
  }
  catalog.ReadCatalog(folder);
  result.source = DiscCatalogSource::Built;
  if (!dir.empty()) {
    const CatalogDumps dumps = catalog.MakeDumps();
    const std::string bin(dumps.bin.begin(), dumps.bin.end());
    if (WriteCacheFile(JoinPath(dir, "catdata.bin"), bin)) WriteCacheFile(JoinPath(dir, "catdata.txt"), dumps.txt);
  }
  return result;
}

UserText MissingTableText(const std::string& folder) {
  return UserText(QT_TRANSLATE_NOOP("lyrova::UserText", "The folder %1 has no file rmidi_of.img: the catalogue of "
                                                        "this disc is not built, the song list is empty."),
                  {UserText::Plain(folder)});
}

}  // namespace lyrova
