#pragma once
// Playlist files (*.lpl): INI text with a [Header] (Type "Lyrova playlist",
// Ver 1, Items) and a [Content] section of row values under the keys 0, 1,
// 2 and so on. Only the code of a row is read back: a loaded playlist shows
// the catalogue's current texts.

#include <string>
#include <vector>

#include "app/core/playlist_row.h"

namespace lyrova {

class TSongsCatalog;

inline constexpr char kPlaylistType[] = "Lyrova playlist";

// Writes `rows` in their order, replacing whatever the file held. The song
// lists never save an empty playlist: such a file would not load back.
// Throws lyrova::Error naming the file when it cannot be written.
void SavePlaylistFile(const std::string& path, const std::vector<PlaylistRow>& rows);

enum class PlaylistLoad {
  kNotAPlaylist,  // no Header, another Type or Ver, no Content: nothing changed
  kLoaded,
};

// Replaces `rows` with the songs the file names, rebuilt from `catalog`.
// A file that is not a playlist leaves `rows` as they were. Entries that do
// not split into five fields are skipped. An entry whose code is not a
// number or names no song of the catalogue throws lyrova::Error; the rows
// read before it stay in `rows`. A file that exists but cannot be read
// throws lyrova::Error as well.
PlaylistLoad LoadPlaylistFile(const std::string& path, TSongsCatalog& catalog,
                              std::vector<PlaylistRow>& rows);

}  // namespace lyrova
