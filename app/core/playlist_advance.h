#pragma once
// Which view a song was started from, and where the playlist goes on when a
// song ends by itself.

#include <string>

namespace lyrova {

inline constexpr const char* kCatalogView = "ListView1";
inline constexpr const char* kPlaylistView = "ListView2";

struct TPlayOrigin {
  std::string PlayedFrom;  // kCatalogView or kPlaylistView; empty before the first song
  int PlayedIndex = 0;     // row in that view when the song was started
};

// The playlist row to start after the song of `origin` has ended by itself,
// or -1: a catalogue song never continues, the last playlist row ends the run.
int NextPlaylistRow(const TPlayOrigin& origin, int playlistRows);

}  // namespace lyrova
