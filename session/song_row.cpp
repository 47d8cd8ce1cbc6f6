#include "session/song_row.h"

#include <cstdio>

#include "catalog/cp1251.h"

namespace lyrova {

std::string FormatSongCode(std::uint32_t code) {
  // Codes are shown as signed numbers, as every code the disc hands out is.
  char text[16];
  std::snprintf(text, sizeof text, "%.4d", static_cast<int>(code));
  return text;
}

SongRowTexts SongRowOf(const TSongHeader& song) {
  return {FormatSongCode(song.Code), Cp1251ToUtf8(song.Name), Cp1251ToUtf8(song.Singer),
          Cp1251ToUtf8(song.MusicAuthor), Cp1251ToUtf8(song.LyricAuthor)};
}

}  // namespace lyrova
