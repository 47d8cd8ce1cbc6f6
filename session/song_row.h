#pragma once
// The row a song has in both song views.

#include <cstdint>
#include <string>

#include "session/song_order.h"
#include "catalog/song_header.h"

namespace lyrova {

// The code as the first column shows it: at least four digits, zero-padded.
std::string FormatSongCode(std::uint32_t code);

// Code, title, singer, music author, words author, in UTF-8.
SongRowTexts SongRowOf(const TSongHeader& song);

}  // namespace lyrova
