#include "app/core/song_row.h"

#include <cstdio>

namespace lyrova {

std::string FormatSongCode(std::uint32_t code) {
  // Codes are shown as signed numbers, as every code the disc hands out is.
  char text[16];
  std::snprintf(text, sizeof text, "%.4d", static_cast<int>(code));
  return text;
}

SongRowTexts SongRowOf(const TSongHeader& song) {
  return {FormatSongCode(song.Code), song.Name, song.Singer, song.MusicAuthor, song.LyricAuthor};
}

}  // namespace lyrova
