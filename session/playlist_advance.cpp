#include "session/playlist_advance.h"

namespace lyrova {

int NextPlaylistRow(const TPlayOrigin& origin, int playlistRows, std::uint32_t endedSerial) {
  if (origin.PlayedFrom != kPlaylistView) return -1;
  if (origin.serial == 0 || endedSerial != origin.serial) return -1;
  // Rows may have been deleted since the song started; a stale index below
  // zero must not restart the playlist from the top.
  if (origin.PlayedIndex < 0) return -1;
  const int next = origin.PlayedIndex + 1;
  return next < playlistRows ? next : -1;
}

}  // namespace lyrova
