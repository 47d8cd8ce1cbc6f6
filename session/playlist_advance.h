#pragma once
// Which view a song was started from, and where the playlist goes on when a
// song ends by itself.

#include <cstdint>
#include <string>

namespace lyrova {

inline constexpr const char* kCatalogView = "ListView1";
inline constexpr const char* kPlaylistView = "ListView2";

struct TPlayOrigin {
  std::string PlayedFrom;  // kCatalogView or kPlaylistView; empty before the first song
  int PlayedIndex = 0;     // row in that view when the song was started
  // The engine's serial of the song that row started; 0 while its start is
  // still on its way, so that the end of the song before cannot advance it.
  std::uint32_t serial = 0;
};

// The playlist row to start after the song `endedSerial` has ended by itself,
// or -1: a catalogue song never continues, the last playlist row ends the run,
// and the end of any song but the one the row started moves nothing.
int NextPlaylistRow(const TPlayOrigin& origin, int playlistRows, std::uint32_t endedSerial);

}  // namespace lyrova
