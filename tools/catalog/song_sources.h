#pragma once
// The songs a command of the catalogue tool works on: the disc's (from
// --catalog, the built-in catalogue or the disc's own one) and the
// library's (--library), the disc's first.

#include <iosfwd>
#include <optional>
#include <string>

#include "catalog/catalog_resources.h"
#include "catalog/song_library.h"
#include "catalog/songs_catalog.h"
#include "tools/catalog/command_line.h"

namespace lyrova::catalog_tool {

// A failure to report in UTF-8, exit code 1.
struct Failure {
  std::string message;
};

class SongSources {
 public:
  SongSources(const CommandLine& line, const CatalogResources* builtIn, std::ostream& err)
      : line_(line), builtIn_(builtIn), err_(err) {}

  // Without --library the disc's songs are always there; with it, only
  // when --catalog or --disc is given too.
  bool HasDiscSongs() const { return !line_.libraryDir || line_.catalogDir || line_.discDir; }

  // Loads the disc's records and the library. withImage opens the disc's
  // image too (--disc is needed then, unless the songs are the library's
  // alone). Broken library files are named on err.
  void Load(bool withImage);

  TSongsCatalog& Disc() { return catalog_; }
  SongLibrary* Library() { return library_ ? &*library_ : nullptr; }

 private:
  CatalogResources Resources();
  void LoadDiscSongs(bool withImage);

  const CommandLine& line_;
  const CatalogResources* builtIn_;
  std::ostream& err_;
  std::string bin_;
  std::string txt_;
  TSongsCatalog catalog_;
  std::optional<SongLibrary> library_;
};

}  // namespace lyrova::catalog_tool
