#pragma once
// The catalogue of the disc in a folder: the built-in one when it describes
// that disc's image, else the disc's own, built from its rmidi_of.img as the
// catalogue builder does and kept in the user's cache folder so that the
// next start loads it at once.

#include <string>

#include "catalog/catalog_resources.h"
#include "catalog/songs_catalog.h"
#include "catalog/user_text.h"

namespace lyrova {

enum class DiscCatalogSource {
  BuiltIn,       // the built-in catalogue describes the image
  NoImage,       // rmidi.img could not be opened; the built-in records are loaded
  Cached,        // the disc's own catalogue, from the cache folder
  Built,         // the disc's own catalogue, built now
  MissingTable,  // the disc's own catalogue is needed but rmidi_of.img is missing: empty
};

struct DiscCatalogResult {
  DiscCatalogSource source = DiscCatalogSource::BuiltIn;
  std::string missingFile;  // the path of rmidi_of.img, for MissingTable
};

// cacheFolder may be empty: the disc's own catalogue is then built every
// time. Throws lyrova::Error when the disc's own files cannot be read.
DiscCatalogResult LoadDiscCatalog(TSongsCatalog& catalog, const std::string& folder,
                                  const CatalogResources& builtIn, const std::string& cacheFolder);

// For the user: the folder has no offset table, so the list stays empty.
UserText MissingTableText(const std::string& folder);

}  // namespace lyrova
