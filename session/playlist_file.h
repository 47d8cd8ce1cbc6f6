#pragma once
// Playlist files (*.lpl): INI text with a [Header] (Type "Lyrova playlist",
// Ver 1, Items) and a [Content] section of row values under the keys 0, 1,
// 2 and so on. Only the code of a row is read back: a loaded playlist shows
// the songs' current texts. A library song's row also names its file in a
// [Files] section under the same key (the path relative to the library
// folder), since its code moves when the folder changes; a playlist of disc
// songs alone has no such section.

#include <string>
#include <vector>

#include "session/playlist_row.h"
#include "session/song_entry.h"

namespace lyrova {

class TSongCollection;

inline constexpr char kPlaylistType[] = "Lyrova playlist";

// Writes `songs` in their order, in CP1251, replacing whatever the file
// held; library songs with their files. The song lists never save an empty
// playlist: such a file would not load back. Throws lyrova::Error naming
// the file when it cannot be written.
void SavePlaylistFile(const std::string& path, const std::vector<TSongEntry>& songs);

enum class PlaylistLoad {
  kNotAPlaylist,  // no Header, another Type or Ver, no Content: nothing changed
  kLoaded,
};

// Replaces `rows` with the songs the file names, rebuilt from `songs`: a
// row with a file by its file, any other by its code. A file that is not a
// playlist leaves `rows` as they were. Entries that do not split into five
// fields are skipped. An entry whose code is not a number or names no song
// throws lyrova::Error; the rows read before it stay in `rows`. Entries whose
// files the library does not hold are left out, the others all load, and
// then lyrova::Error names those files. A file that exists but cannot be
// read throws lyrova::Error as well.
PlaylistLoad LoadPlaylistFile(const std::string& path, const TSongCollection& songs,
                              std::vector<TSongEntry>& rows);

}  // namespace lyrova
